#pragma once

#include "hospital/dbserver/demo/DemoRandom.h"

#include <QString>

namespace hospital::dbserver::demo {

// Where a patient lives: mostly the hospital's own province, some from next door.
struct Address {
    QString houseStreet;
    QString barangay;
    QString municipality;
    QString province;
};

Address randomAddress(DemoRandom &random);
QString randomBirthPlace(DemoRandom &random);
// Null for small children, as the registry leaves it.
QString randomOccupation(DemoRandom &random, int ageYears);
// Null unless the occupation has an employer to name.
QString randomEmployer(DemoRandom &random, const QString &occupation);
// A mobile number ('09' and nine digits), or null.
QString randomTelephone(DemoRandom &random);

} // namespace hospital::dbserver::demo
