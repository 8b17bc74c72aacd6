#pragma once

#include <QString>

namespace pwo {

class Connection;

// The out-patient visit number an admission was matched to; empty when none.
QString FindMatchingOpdNumber(Connection &connection, const QString &idNumber);

// True when the stay is charged to a company or sponsor.
bool CheckCompany(Connection &connection, const QString &idNumber);

} // namespace pwo
