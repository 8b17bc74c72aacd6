#pragma once

#include <QDate>

namespace hospital::components {

// A person's age in completed years on `day`: the birthday itself counts,
// and someone born on 29 February turns a year older on 1 March.
int wholeYearsBetween(QDate birthDate, QDate day);

} // namespace hospital::components
