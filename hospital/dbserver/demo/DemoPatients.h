#pragma once

#include "hospital/dbserver/demo/DemoRandom.h"
#include "hospital/dbserver/demo/FilipinoNames.h"

#include <QDate>

#include <vector>

struct sqlite3;

namespace hospital::dbserver::demo {

// What the stays of a patient depend on; the master row itself is written and forgotten.
struct PatientFacts {
    QDate birthDate;
    Sex sex = Sex::Female;
    bool pwoClient = false;  // has a department case number

    int ageOn(QDate day) const;
};

// Patient index of the one patient named O'BRIEN, there to exercise quoting.
constexpr int obrienPatientIndex = 41;

// Writes PATIENT_DATA.tbMaster: `count` patients, hospital numbers in index order.
std::vector<PatientFacts> writePatients(sqlite3 *db, std::uint64_t seed, int count, QDate today);

} // namespace hospital::dbserver::demo
