#pragma once

#include "hospital/dbserver/demo/DemoRandom.h"

#include <QString>

namespace hospital::dbserver::demo {

// A name as the hospital's registry keeps it: upper case, the middle name
// being the mother's maiden surname (null for some, as in real registries).
struct PersonName {
    QString last;
    QString first;
    QString middle;
};

enum class Sex { Male, Female };

QString sexCode(Sex sex);
Sex randomSex(DemoRandom &random);

QString randomSurname(DemoRandom &random);
QString randomGivenName(DemoRandom &random, Sex sex);
PersonName randomPersonName(DemoRandom &random, Sex sex);

} // namespace hospital::dbserver::demo
