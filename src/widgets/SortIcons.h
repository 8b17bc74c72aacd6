#pragma once

#include <QIcon>
#include <QString>

namespace pwo {

// The small header pictures of a sorted list, by their image-list keys:
// "ArrowUp" (ascending), "ArrowDown" (descending) and "Blank" (not sorted by
// this column; as wide as the arrows, so that headers do not shift).
QIcon sortIcon(const QString &key);

} // namespace pwo
