#pragma once

#include "hospital/dbserver/demo/DemoRandom.h"

#include <QString>
#include <QStringList>

#include <vector>

struct sqlite3;

namespace hospital::dbserver::demo {

enum class WardKind { Medicine, Surgery, Pediatrics, Obstetrics, IntensiveCare, Private };

struct Ward {
    WardKind kind;
    QStringList roomIds;
    QStringList attendingDoctors;  // DoctorIDs of the specialties that admit here
};

// What the rows of patients and stays refer to.
struct HospitalCodes {
    std::vector<Ward> wards;
    QStringList doctors;           // every DoctorID
    QStringList clinicDoctors;     // who sees out-patients
    QStringList emergencyDoctors;  // who staffs the ER
    QStringList companies;         // every AccountNum
    int rowCount = 0;              // rows written, all code tables together

    const Ward &ward(WardKind kind) const;
};

// The hospital's identity, its code tables, rooms, doctors and sponsoring companies.
HospitalCodes writeCodeTables(sqlite3 *db, std::uint64_t seed);

// Codes of the written tables, drawn as often as a provincial registry shows them.
QString randomReligionCode(DemoRandom &random);
QString randomCivilStatusCode(DemoRandom &random, int ageYears);

} // namespace hospital::dbserver::demo
