#pragma once

#include "data/Value.h"

#include <QDateTime>
#include <QString>

namespace pwo {

// The general date form of the lists: the desk's short date with a
// four-digit year, followed by the time when the time is not midnight.
QString generalDateText(const QDateTime &moment);
// The same for a column value; a null is empty text.
QString generalDateText(const Value &value);

} // namespace pwo
