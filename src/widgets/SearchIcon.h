#pragma once

#include <QIcon>

namespace pwo {

// The small magnifier of the search buttons beside the worker name boxes
// and in the employee list, drawn so that it stays crisp at every scale.
QIcon searchIcon();

} // namespace pwo
