#include "hospital/components/registry/WholeYears.h"

namespace hospital::components {

int wholeYearsBetween(QDate birthDate, QDate day)
{
    int years = day.year() - birthDate.year();
    const bool beforeBirthday =
        day.month() < birthDate.month() || (day.month() == birthDate.month() && day.day() < birthDate.day());
    return beforeBirthday ? years - 1 : years;
}

} // namespace hospital::components
