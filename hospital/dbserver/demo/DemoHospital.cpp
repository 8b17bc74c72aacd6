#include "hospital/dbserver/demo/DemoHospital.h"

#include "hospital/dbserver/DatabaseSet.h"
#include "hospital/dbserver/demo/CodeTables.h"
#include "hospital/dbserver/demo/DemoAssessmentContext.h"
#include "hospital/dbserver/demo/DemoAssessments.h"
#include "hospital/dbserver/demo/DemoClassifications.h"
#include "hospital/dbserver/demo/DemoPatients.h"
#include "hospital/dbserver/demo/DemoDischargeNotices.h"
#include "hospital/dbserver/demo/DemoIntakeGrids.h"
#include "hospital/dbserver/demo/DemoIntakeSheets.h"
#include "hospital/dbserver/demo/DemoReferrals.h"
#include "hospital/dbserver/demo/DemoServiceCodes.h"
#include "hospital/dbserver/demo/DemoStaff.h"
#include "hospital/dbserver/demo/DemoStatements.h"
#include "hospital/dbserver/demo/DemoStays.h"
#include "hospital/dbserver/schema/Schema.h"

#include "data/DatabaseError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <memory>

namespace hospital::dbserver {

namespace {

constexpr std::uint64_t demoSeed = 0x50574F2D44454D4FULL;  // "PWO-DEMO"

[[noreturn]] void refuse(const QString &reason)
{
    throw pwo::DatabaseError(0, reason, QStringLiteral("Demo hospital"));
}

const QStringList databaseFileSuffixes{QString(), QStringLiteral("-wal"), QStringLiteral("-shm"),
                                       QStringLiteral("-journal")};

QStringList databaseFiles(const QString &dir)
{
    QStringList files;
    for (const QString &name : databaseNames())
        for (const QString &suffix : databaseFileSuffixes)
            files << databaseFilePath(dir, name) + suffix;
    return files;
}

void checkArguments(const QString &dir, int patients, QDate today)
{
    if (patients < minimumDemoPatients || patients > maximumDemoPatients)
        refuse(QStringLiteral("The demo hospital takes %1 to %2 patients, not %3.")
                   .arg(minimumDemoPatients)
                   .arg(maximumDemoPatients)
                   .arg(patients));
    if (!today.isValid())
        refuse(QStringLiteral("The demo hospital needs a valid date for today."));
    if (holdsDatabaseFiles(dir))
        refuse(QStringLiteral("\"%1\" already holds hospital databases; the demo hospital never writes over them.")
                   .arg(QDir::toNativeSeparators(dir)));
}

using DatabaseHandle = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;

DemoCounts fillDemoHospital(const QString &dir, int patients, QDate today)
{
    DatabaseHandle db(openDatabaseSet(dir, DatabaseSetMode::Create), &sqlite3_close);
    DemoCounts counts;
    demo::WriteTransaction transaction(db.get());
    createSchema(db.get());
    const demo::HospitalCodes codes = demo::writeCodeTables(db.get(), demoSeed);
    counts.codeRows = codes.rowCount;
    const demo::StaffCounts staff = demo::writeStaff(db.get(), demoSeed);
    counts.codeRows += staff.departments;
    counts.employees = staff.employees;
    counts.users = staff.users;
    const std::vector<demo::PatientFacts> facts = demo::writePatients(db.get(), demoSeed, patients, today);
    counts.patients = static_cast<int>(facts.size());
    const demo::StayCounts stays = demo::writeStays(db.get(), demoSeed, facts, codes, today);
    counts.admissions = stays.admissions;
    counts.currentInPatients = stays.currentInPatients;
    counts.outPatientVisits = stays.outPatientVisits;
    counts.erVisits = stays.erVisits;
    counts.inEmergencyRoom = stays.inEmergencyRoom;
    counts.referrals = demo::writeReferrals(db.get());
    demo::writeClassifications(db.get());
    demo::writeServiceCodes(db.get());
    demo::writeAssessments(db.get(), today);
    demo::writeAssessmentContext(db.get());
    demo::writeIntakeGrids(db.get(), demoSeed);
    demo::writeIntakeSheets(db.get());
    counts.dischargeNotices = demo::writeDischargeNotices(db.get(), today);
    transaction.commit();
    return counts;
}

} // namespace

bool holdsDatabaseFiles(const QString &dir)
{
    for (const QString &file : databaseFiles(dir))
        if (QFileInfo::exists(file))
            return true;
    return false;
}

QStringList removeDatabaseFiles(const QString &dir)
{
    QStringList kept;
    for (const QString &file : databaseFiles(dir))
        if (QFileInfo::exists(file) && !QFile::remove(file))
            kept << QDir::toNativeSeparators(file);
    return kept;
}

DemoCounts generateDemoHospital(const QString &dir, int patients, QDate today)
{
    checkArguments(dir, patients, today);
    try {
        return fillDemoHospital(dir, patients, today);
    } catch (const pwo::DatabaseError &error) {
        const QStringList kept = removeDatabaseFiles(dir);
        if (kept.isEmpty())
            throw;
        throw pwo::DatabaseError(error.number(), QStringLiteral("%1 The unfinished files %2 could not be deleted.")
                                                     .arg(error.description(), kept.join(QStringLiteral(", "))),
                                 QStringLiteral("Demo hospital"));
    }
}

} // namespace hospital::dbserver
