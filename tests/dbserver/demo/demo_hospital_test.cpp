#include "DemoFolder.h"

#include "data/DatabaseError.h"
#include "hospital/dbserver/DatabaseSet.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <sodium.h>

#include <cstring>
#include <memory>

using namespace hospital::dbserver;

namespace {

class DemoHospital : public ::testing::Test {
protected:
    static void SetUpTestSuite() { folder_ = std::make_unique<DemoFolder>(300); }
    static void TearDownTestSuite() { folder_.reset(); }

    static const DemoFolder &folder() { return *folder_; }
    static long long count(const QString &sql) { return folder_->number(sql); }

private:
    static inline std::unique_ptr<DemoFolder> folder_;
};

bool passwordMatches(const QString &hash, const char *password)
{
    const QByteArray stored = hash.toLatin1();
    return crypto_pwhash_str_verify(stored.constData(), password, std::strlen(password)) == 0;
}

} // namespace

TEST(DemoHospitalRuns, SameSizeAndDayGiveTheSameRows)
{
    const DemoFolder first(150);
    const DemoFolder second(150);
    const QStringList rows = dumpAllRows(first);
    EXPECT_GT(rows.size(), 500);
    EXPECT_EQ(rows, dumpAllRows(second));

    const DemoFolder dayLater(150, demoToday().addDays(1));
    EXPECT_NE(rows, dumpAllRows(dayLater));
}

TEST(DemoHospitalRuns, CountsScaleWithThePatients)
{
    const DemoFolder small(100);
    const DemoFolder large(400);
    for (const DemoFolder *folder : {&small, &large}) {
        const DemoCounts &counts = folder->counts();
        EXPECT_EQ(folder->number(QStringLiteral("SELECT count(*) FROM PATIENT_DATA.tbMaster")), counts.patients);
        EXPECT_EQ(folder->number(QStringLiteral("SELECT count(*) FROM PATIENT_DATA.tbPatient2")), counts.admissions);
        EXPECT_EQ(folder->number(QStringLiteral("SELECT count(*) FROM PATIENT_DATA.tbPatient2 WHERE DcrDate IS NULL")),
                  counts.currentInPatients);
        EXPECT_EQ(folder->number(QStringLiteral("SELECT count(*) FROM PATIENT_DATA.tbOutPatient")),
                  counts.outPatientVisits);
        EXPECT_EQ(folder->number(QStringLiteral("SELECT count(*) FROM PATIENT_DATA.tbERMaster")), counts.erVisits);
        EXPECT_EQ(folder->number(QStringLiteral("SELECT count(*) FROM PATIENT_DATA.tbERMaster "
                                                "WHERE DischargeDate IS NULL")),
                  counts.inEmergencyRoom);
        EXPECT_GE(counts.currentInPatients * 100, counts.patients * 5);
        EXPECT_LE(counts.currentInPatients * 100, counts.patients * 8);
        EXPECT_GT(counts.admissions, counts.currentInPatients);
        EXPECT_GT(counts.outPatientVisits, counts.patients / 2);
        EXPECT_GE(counts.inEmergencyRoom, 1);
    }
    EXPECT_EQ(small.counts().patients, 100);
    EXPECT_EQ(large.counts().patients, 400);
    EXPECT_GT(large.counts().admissions, 3 * small.counts().admissions);
    EXPECT_LT(large.counts().admissions, 5 * small.counts().admissions);
    EXPECT_GT(large.counts().outPatientVisits, 3 * small.counts().outPatientVisits);
    EXPECT_EQ(large.counts().codeRows, small.counts().codeRows);
    EXPECT_EQ(large.counts().employees, small.counts().employees);
}

TEST(DemoHospitalRuns, RefusesBadRequestsAndExistingDatabases)
{
    QTemporaryDir dir;
    EXPECT_THROW(generateDemoHospital(dir.path(), 99, demoToday()), pwo::DatabaseError);
    EXPECT_THROW(generateDemoHospital(dir.path(), 200001, demoToday()), pwo::DatabaseError);
    EXPECT_THROW(generateDemoHospital(dir.path(), 100, QDate()), pwo::DatabaseError);
    EXPECT_FALSE(holdsDatabaseFiles(dir.path()));

    const QString nested = QDir(dir.path()).filePath(QStringLiteral("a/b"));
    generateDemoHospital(nested, 100, demoToday());
    EXPECT_TRUE(isDatabaseSet(nested));
    const qint64 size = QFileInfo(databaseFilePath(nested, QStringLiteral("PATIENT_DATA"))).size();
    EXPECT_THROW(generateDemoHospital(nested, 200, demoToday()), pwo::DatabaseError);
    EXPECT_EQ(QFileInfo(databaseFilePath(nested, QStringLiteral("PATIENT_DATA"))).size(), size);

    EXPECT_TRUE(removeDatabaseFiles(nested).isEmpty());
    EXPECT_FALSE(holdsDatabaseFiles(nested));
}

TEST_F(DemoHospital, DemoLoginsVerifyAndWrongPasswordsDoNot)
{
    for (const char *login : {"demo", "clerk", "nurse"}) {
        const QString hash =
            folder().text(QStringLiteral("SELECT PasswordHash FROM BUILD_FILE.tbCoUser WHERE EmployeeCode = '%1'")
                              .arg(QLatin1String(login)));
        EXPECT_TRUE(hash.startsWith(QStringLiteral("$argon2id$"))) << qPrintable(hash);
        EXPECT_TRUE(passwordMatches(hash, login)) << login;
        EXPECT_FALSE(passwordMatches(hash, "wrong")) << login;
        EXPECT_FALSE(passwordMatches(hash, QByteArray(login).toUpper().constData())) << login;
        EXPECT_EQ(crypto_pwhash_str_needs_rehash(hash.toLatin1().constData(), crypto_pwhash_OPSLIMIT_MIN,
                                                 crypto_pwhash_MEMLIMIT_MIN),
                  0)
            << "hashed with other limits: " << login;
    }
    EXPECT_FALSE(passwordMatches(
        folder().text(QStringLiteral("SELECT PasswordHash FROM BUILD_FILE.tbCoUser WHERE EmployeeCode = 'demo'")),
        "clerk"));
}

TEST_F(DemoHospital, DemoLoginsHaveTheirDepartmentsAndRights)
{
    const QList<QStringList> users = folder().rows(QStringLiteral(
        "SELECT u.EmployeeCode, e.DeptCode, u.Rights, u.Active FROM BUILD_FILE.tbCoUser u "
        "JOIN BUILD_FILE.tbCoEmployee e ON e.EmployeeCode = u.EmployeeCode ORDER BY u.EmployeeCode"));
    ASSERT_EQ(users.size(), 3);
    EXPECT_EQ(users[0], (QStringList{"clerk", "PWO", "", "1"}));
    EXPECT_EQ(users[1][0], QStringLiteral("demo"));
    EXPECT_EQ(users[1][1], QStringLiteral("PWO"));
    EXPECT_TRUE(users[1][2].contains(QLatin1Char('A')));
    EXPECT_EQ(users[2][0], QStringLiteral("nurse"));
    EXPECT_EQ(users[2][1], QStringLiteral("NUR"));
}

TEST_F(DemoHospital, SocialWorkersHaveLicencesButNoLogin)
{
    const QList<QStringList> workers = folder().rows(QStringLiteral(
        "SELECT e.EmployeeCode, e.LicenseNumber, e.Position FROM BUILD_FILE.tbCoEmployee e "
        "WHERE e.DeptCode = 'PWO' AND e.Position LIKE 'SOCIAL WELFARE%' "
        "AND NOT EXISTS (SELECT 1 FROM BUILD_FILE.tbCoUser u WHERE u.EmployeeCode = e.EmployeeCode)"));
    EXPECT_GE(workers.size(), 10);
    for (const QStringList &worker : workers)
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{7}$")).match(worker[1]).hasMatch())
            << qPrintable(worker.join(QLatin1Char(' ')));
}

TEST_F(DemoHospital, CurrentInPatientsHaveNoDischargeAndOneOpenStayEach)
{
    EXPECT_GT(count(QStringLiteral("SELECT count(*) FROM PATIENT_DATA.tbPatient2 WHERE DcrDate IS NULL")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM (SELECT HospNum FROM PATIENT_DATA.tbPatient2 "
                                   "WHERE DcrDate IS NULL GROUP BY HospNum HAVING count(*) > 1)")),
              0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PATIENT_DATA.tbPatient2 WHERE AdmDate >= '2026-03-15'")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PATIENT_DATA.tbPatient2 WHERE DcrDate <= AdmDate")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PATIENT_DATA.tbPatient2 WHERE DcrDate >= '2026-03-15'")), 0);
    // A patient's stays never overlap.
    EXPECT_EQ(count(QStringLiteral(
                  "SELECT count(*) FROM PATIENT_DATA.tbPatient2 a JOIN PATIENT_DATA.tbPatient2 b "
                  "ON a.HospNum = b.HospNum AND a.IdNum <> b.IdNum AND a.AdmDate <= b.AdmDate "
                  "AND (a.DcrDate IS NULL OR a.DcrDate > b.AdmDate)")),
              0);
    // Nobody is in the ER while admitted upstairs.
    EXPECT_EQ(count(QStringLiteral(
                  "SELECT count(*) FROM PATIENT_DATA.tbERMaster e JOIN PATIENT_DATA.tbPatient2 p "
                  "ON p.HospNum = e.HospNum WHERE e.DischargeDate IS NULL AND p.DcrDate IS NULL")),
              0);
}

TEST_F(DemoHospital, StayNumbersHaveTheirFormsAndFollowTheCalendar)
{
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PATIENT_DATA.tbPatient2 WHERE IdNum GLOB '*[^0-9]*' "
                                   "OR length(IdNum) <> 9 OR substr(IdNum, 1, 2) <> substr(AdmDate, 3, 2)")),
              0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PATIENT_DATA.tbOutPatient WHERE NOT IdNum GLOB "
                                   "'[0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9]B' "
                                   "OR substr(IdNum, 1, 2) <> substr(AdmDate, 3, 2)")),
              0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PATIENT_DATA.tbERMaster WHERE NOT IdNum GLOB "
                                   "'ER[0-9][0-9]-[0-9][0-9][0-9][0-9][0-9][0-9]' "
                                   "OR substr(IdNum, 3, 2) <> substr(AdmDate, 3, 2)")),
              0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PATIENT_DATA.tbMaster WHERE HospNum GLOB '*[^0-9]*' "
                                   "OR length(HospNum) <> 8")),
              0);
    // Within a year a later number means a later (or equal) admission.
    EXPECT_EQ(count(QStringLiteral(
                  "SELECT count(*) FROM PATIENT_DATA.tbPatient2 a JOIN PATIENT_DATA.tbPatient2 b "
                  "ON substr(a.IdNum, 1, 2) = substr(b.IdNum, 1, 2) AND a.IdNum < b.IdNum AND a.AdmDate > b.AdmDate")),
              0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PATIENT_DATA.tbPatient2 WHERE IdNum LIKE '%0000001'")),
              count(QStringLiteral("SELECT count(DISTINCT substr(AdmDate, 1, 4)) FROM PATIENT_DATA.tbPatient2")));
}

TEST_F(DemoHospital, EveryCodeResolves)
{
    const QStringList orphanQueries{
        "SELECT count(*) FROM PATIENT_DATA.tbMaster m WHERE m.CivilStatus IS NOT NULL AND NOT EXISTS "
        "(SELECT 1 FROM BUILD_FILE.tbCoCivilStatus c WHERE c.Code = m.CivilStatus)",
        "SELECT count(*) FROM PATIENT_DATA.tbMaster m WHERE m.Religion IS NOT NULL AND NOT EXISTS "
        "(SELECT 1 FROM BUILD_FILE.tbCoReligion c WHERE c.Code = m.Religion)",
        "SELECT count(*) FROM PATIENT_DATA.tbMaster WHERE PWOClassification NOT IN ('A','B','C1','C2','C3','D')",
        "SELECT count(*) FROM PATIENT_DATA.tbPatient2 p WHERE NOT EXISTS "
        "(SELECT 1 FROM PATIENT_DATA.tbMaster m WHERE m.HospNum = p.HospNum)",
        "SELECT count(*) FROM PATIENT_DATA.tbPatient2 p WHERE NOT EXISTS "
        "(SELECT 1 FROM BUILD_FILE.tbCoRoom r WHERE r.RoomID = p.RoomID)",
        "SELECT count(*) FROM PATIENT_DATA.tbPatient2 p WHERE NOT EXISTS "
        "(SELECT 1 FROM BUILD_FILE.tbCoDoctor d WHERE d.DoctorID = p.AttendingDoctor)",
        "SELECT count(*) FROM PATIENT_DATA.tbPatient2 p WHERE p.ReferringDoctor IS NOT NULL AND NOT EXISTS "
        "(SELECT 1 FROM BUILD_FILE.tbCoDoctor d WHERE d.DoctorID = p.ReferringDoctor)",
        "SELECT count(*) FROM PATIENT_DATA.tbPatient2 p WHERE p.AccountNum IS NOT NULL AND NOT EXISTS "
        "(SELECT 1 FROM BILLING.tbCompany c WHERE c.AccountNum = p.AccountNum)",
        "SELECT count(*) FROM PATIENT_DATA.tbOutPatient o WHERE NOT EXISTS "
        "(SELECT 1 FROM PATIENT_DATA.tbMaster m WHERE m.HospNum = o.HospNum)",
        "SELECT count(*) FROM PATIENT_DATA.tbOutPatient o WHERE NOT EXISTS "
        "(SELECT 1 FROM BUILD_FILE.tbCoDoctor d WHERE d.DoctorID = o.DoctorID)",
        "SELECT count(*) FROM PATIENT_DATA.tbOutPatient o WHERE o.AccountNum IS NOT NULL AND NOT EXISTS "
        "(SELECT 1 FROM BILLING.tbCompany c WHERE c.AccountNum = o.AccountNum)",
        "SELECT count(*) FROM PATIENT_DATA.tbERMaster e WHERE NOT EXISTS "
        "(SELECT 1 FROM PATIENT_DATA.tbMaster m WHERE m.HospNum = e.HospNum)",
        "SELECT count(*) FROM PATIENT_DATA.tbERMaster e WHERE NOT EXISTS "
        "(SELECT 1 FROM BUILD_FILE.tbCoDoctor d WHERE d.DoctorID = e.DoctorID)",
        "SELECT count(*) FROM BUILD_FILE.tbCoEmployee e WHERE NOT EXISTS "
        "(SELECT 1 FROM BUILD_FILE.tbCoDepartment d WHERE d.DeptCode = e.DeptCode)",
        "SELECT count(*) FROM BUILD_FILE.tbCoUser u WHERE NOT EXISTS "
        "(SELECT 1 FROM BUILD_FILE.tbCoEmployee e WHERE e.EmployeeCode = u.EmployeeCode)",
        "SELECT count(*) FROM PATIENT_DATA.tbPatient2 WHERE PatientClass NOT IN ('P','S')",
        "SELECT count(*) FROM PATIENT_DATA.tbOutPatient WHERE PatientType NOT IN ('P','S')",
        "SELECT count(*) FROM PATIENT_DATA.tbERMaster WHERE PatientClassification NOT IN ('P','S')",
    };
    for (const QString &query : orphanQueries)
        EXPECT_EQ(count(query), 0) << qPrintable(query);
}

TEST_F(DemoHospital, MatchedAdmissionsCameFromTheSamePatientsClinicVisit)
{
    EXPECT_GT(count(QStringLiteral("SELECT count(*) FROM PATIENT_DATA.tbPatient2 WHERE OPDIdNum IS NOT NULL "
                                   "AND DcrDate IS NULL")),
              0);
    EXPECT_GT(count(QStringLiteral("SELECT count(*) FROM PATIENT_DATA.tbPatient2 WHERE OPDIdNum IS NOT NULL "
                                   "AND DcrDate IS NOT NULL")),
              0);
    EXPECT_EQ(count(QStringLiteral(
                  "SELECT count(*) FROM PATIENT_DATA.tbPatient2 p WHERE p.OPDIdNum IS NOT NULL AND NOT EXISTS "
                  "(SELECT 1 FROM PATIENT_DATA.tbOutPatient o WHERE o.IdNum = p.OPDIdNum AND o.HospNum = p.HospNum "
                  "AND o.AdmDate < p.AdmDate AND julianday(p.AdmDate) - julianday(o.AdmDate) < 1)")),
              0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM (SELECT OPDIdNum FROM PATIENT_DATA.tbPatient2 "
                                   "WHERE OPDIdNum IS NOT NULL GROUP BY OPDIdNum HAVING count(*) > 1)")),
              0);
}

TEST_F(DemoHospital, SomeStaysAreSponsoredByACompany)
{
    EXPECT_GT(count(QStringLiteral("SELECT count(*) FROM PATIENT_DATA.tbPatient2 WHERE AccountNum IS NOT NULL "
                                   "AND DcrDate IS NULL")),
              0);
    const long long sponsored =
        count(QStringLiteral("SELECT count(*) FROM PATIENT_DATA.tbPatient2 WHERE AccountNum IS NOT NULL"));
    EXPECT_LT(sponsored * 5, count(QStringLiteral("SELECT count(*) FROM PATIENT_DATA.tbPatient2")));
}

TEST_F(DemoHospital, DepartmentClientsCarryACaseNumberAndClassification)
{
    EXPECT_GT(count(QStringLiteral("SELECT count(*) FROM PATIENT_DATA.tbMaster WHERE PWONum IS NOT NULL")), 10);
    EXPECT_GT(count(QStringLiteral("SELECT count(DISTINCT PWOClassification) FROM PATIENT_DATA.tbMaster")), 3);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PATIENT_DATA.tbMaster WHERE PWONum IS NOT NULL AND ("
                                   "NOT PWONum GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9][0-9][0-9][0-9]' "
                                   "OR PWODiscountValidity IS NULL)")),
              0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PATIENT_DATA.tbMaster WHERE PWONum IS NULL AND ("
                                   "PWOClassification IS NOT NULL OR PWODiscountExpiry IS NOT NULL "
                                   "OR PWODiscountValidity IS NOT NULL)")),
              0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM (SELECT PWONum FROM PATIENT_DATA.tbMaster "
                                   "WHERE PWONum IS NOT NULL GROUP BY PWONum HAVING count(*) > 1)")),
              0);
    // The validity is month/day/year text; the expiry comes after it.
    for (const QStringList &row : folder().rows(QStringLiteral("SELECT PWODiscountValidity, PWODiscountExpiry "
                                                               "FROM PATIENT_DATA.tbMaster "
                                                               "WHERE PWODiscountExpiry IS NOT NULL"))) {
        const QDate validFrom = QDate::fromString(row[0], QStringLiteral("MM/dd/yyyy"));
        ASSERT_TRUE(validFrom.isValid()) << qPrintable(row[0]);
        EXPECT_GT(QDate::fromString(row[1].left(10), QStringLiteral("yyyy-MM-dd")), validFrom);
    }
}

TEST_F(DemoHospital, NamesLookFilipinoWithTheAwkwardOnesPresent)
{
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PATIENT_DATA.tbMaster WHERE LastName = 'O''BRIEN'")), 1);
    EXPECT_GT(count(QStringLiteral("SELECT count(*) FROM PATIENT_DATA.tbMaster WHERE instr(LastName, 'Ñ') > 0 "
                                   "OR instr(FirstName, 'Ñ') > 0 OR instr(MiddleName, 'Ñ') > 0")),
              0);
    EXPECT_GT(count(QStringLiteral("SELECT count(*) FROM PATIENT_DATA.tbMaster WHERE LastName = 'DELA CRUZ'")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PATIENT_DATA.tbMaster WHERE MiddleName = LastName")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PATIENT_DATA.tbMaster WHERE LastName <> upper(LastName) "
                                   "COLLATE BINARY")),
              0);
    const long long women = count(QStringLiteral("SELECT count(*) FROM PATIENT_DATA.tbMaster WHERE Sex = 'F'"));
    EXPECT_GT(women, 100);
    EXPECT_LT(women, 200);
}

TEST_F(DemoHospital, DateColumnsHoldTheStoredDateTimeForm)
{
    int dateColumns = 0;
    for (const QString &database : databaseNames()) {
        for (const QString &table : tablesOf(folder(), database)) {
            for (const QStringList &column : folder().rows(
                     QStringLiteral("SELECT name FROM pragma_table_xinfo('%1', '%2') WHERE type = 'DATETIME'")
                         .arg(table, database))) {
                ++dateColumns;
                const QString query =
                    QStringLiteral("SELECT count(*) FROM %1.%2 WHERE %3 IS NOT NULL AND (NOT %3 GLOB "
                                   "'[12][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]' "
                                   "OR datetime(%3) IS NULL)")
                        .arg(database, table, column.first());
                EXPECT_EQ(count(query), 0) << qPrintable(query);
            }
        }
    }
    EXPECT_GE(dateColumns, 7);
}

TEST_F(DemoHospital, HospitalInformationIsOneRow)
{
    const QList<QStringList> info = folder().rows(
        QStringLiteral("SELECT Company, Address1, Title, TinNo, MTSServerName FROM PATIENT_DATA.tbHospitalInfo"));
    ASSERT_EQ(info.size(), 1);
    for (int column = 0; column < 4; ++column)
        EXPECT_FALSE(info[0][column].isEmpty() || info[0][column] == QStringLiteral("<null>")) << column;
    EXPECT_TRUE(info[0][4].isEmpty() || info[0][4] == QStringLiteral("localhost")) << qPrintable(info[0][4]);
}

TEST_F(DemoHospital, WardsAndDoctorsAreAHospitalsWorth)
{
    EXPECT_GE(count(QStringLiteral("SELECT count(DISTINCT Station) FROM BUILD_FILE.tbCoRoom")), 4);
    const long long doctors = count(QStringLiteral("SELECT count(*) FROM BUILD_FILE.tbCoDoctor"));
    EXPECT_GE(doctors, 24);
    EXPECT_LE(doctors, 60);
    EXPECT_GE(count(QStringLiteral("SELECT count(DISTINCT RoomID) FROM PATIENT_DATA.tbPatient2")), 20);
}
