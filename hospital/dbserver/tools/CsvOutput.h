#pragma once

#include "data/ServerSession.h"

#include <QString>

namespace hospital::dbserver {

// A result set as CSV with a header line. A null prints as NULL, unquoted;
// text that reads NULL, or holds a comma, quote or line break, is quoted.
QString csvText(const pwo::ResultSet &result);

} // namespace hospital::dbserver
