#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace hospital::dbserver {

struct DemoCounts {
    int patients = 0;
    int admissions = 0;
    int currentInPatients = 0;  // admissions with no discharge date
    int outPatientVisits = 0;
    int erVisits = 0;
    int inEmergencyRoom = 0;    // ER visits with no discharge date
    int codeRows = 0;           // hospital information, code tables, rooms, doctors, companies
    int employees = 0;
    int users = 0;
    int referrals = 0;          // from the medical teams, some still waiting
    int dischargeNotices = 0;   // from the wards, some already cleared
};

constexpr int minimumDemoPatients = 100;
constexpr int maximumDemoPatients = 200000;

// Creates the five databases in `dir` (made if missing) and fills them with
// a fictional hospital. The same patients and today give the same rows.
// Throws pwo::DatabaseError, also when `dir` already holds a database file;
// after a failure no database file of its own is left behind.
DemoCounts generateDemoHospital(const QString &dir, int patients, QDate today);

// True when `dir` holds any file of the five databases.
bool holdsDatabaseFiles(const QString &dir);
// Deletes the five databases' files (with their journals) from `dir`;
// returns the files that could not be deleted.
QStringList removeDatabaseFiles(const QString &dir);

} // namespace hospital::dbserver
