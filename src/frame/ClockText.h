#pragma once

#include <QDateTime>
#include <QString>

namespace pwo {

// The status-bar clock: "(15 August 2018)  14:05 ".
QString clockText(const QDateTime &moment);

} // namespace pwo
