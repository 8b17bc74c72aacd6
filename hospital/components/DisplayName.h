#pragma once

#include <QString>

namespace hospital::components {

// A person as the hospital's screens and statements name one: "FIRST LAST".
// Either part may be empty; no stray blank is left then.
QString displayName(const QString &firstName, const QString &lastName);

} // namespace hospital::components
