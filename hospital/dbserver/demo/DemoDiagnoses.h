#pragma once

#include "hospital/dbserver/demo/CodeTables.h"
#include "hospital/dbserver/demo/DemoRandom.h"

#include <QString>

namespace hospital::dbserver::demo {

// Free-text clinical entries as the admitting and clinic staff type them.
QString randomAdmittingDiagnosis(DemoRandom &random, WardKind ward);
QString randomClinicDiagnosis(DemoRandom &random);
QString randomChiefComplaint(DemoRandom &random);

} // namespace hospital::dbserver::demo
