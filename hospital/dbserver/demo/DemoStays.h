#pragma once

#include "hospital/dbserver/demo/CodeTables.h"
#include "hospital/dbserver/demo/DemoPatients.h"

#include <QDate>

#include <cstdint>
#include <vector>

struct sqlite3;

namespace hospital::dbserver::demo {

struct StayCounts {
    int admissions = 0;
    int currentInPatients = 0;
    int outPatientVisits = 0;
    int erVisits = 0;
    int inEmergencyRoom = 0;
};

// Writes the admissions, out-patient and ER visits, numbered by year in the
// order they happened.
StayCounts writeStays(sqlite3 *db, std::uint64_t seed, const std::vector<PatientFacts> &patients,
                      const HospitalCodes &codes, QDate today);

} // namespace hospital::dbserver::demo
