#pragma once

#include <QIcon>
#include <QString>

namespace pwo {

// The notice lists' image list imlStatus: "clear" for an answered notice,
// "open" for one that waits. 16 pixels.
QIcon statusIcon(const QString &key);

} // namespace pwo
