#include "DemoFolder.h"

#include "data/DatabaseError.h"
#include "hospital/dbserver/DatabaseSet.h"
#include "hospital/dbserver/schema/Schema.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <memory>

using namespace hospital::dbserver;

namespace {

class DemoSchema : public ::testing::Test {
protected:
    static void SetUpTestSuite() { folder_ = std::make_unique<DemoFolder>(100); }
    static void TearDownTestSuite() { folder_.reset(); }

    static const DemoFolder &folder() { return *folder_; }

    struct Column {
        QString database;
        QString table;
        QString name;
        QString declaredType;
    };

    static std::vector<Column> allColumns()
    {
        std::vector<Column> columns;
        for (const QString &database : databaseNames())
            for (const QString &table : tablesOf(folder(), database))
                for (const QStringList &row : folder().rows(
                         QStringLiteral("SELECT name, type FROM pragma_table_xinfo('%1', '%2')").arg(table, database)))
                    columns.push_back({database, table, row[0], row[1]});
        return columns;
    }

    static QString planOf(const QString &query)
    {
        QStringList steps;
        for (const QStringList &row : folder().rows(QStringLiteral("EXPLAIN QUERY PLAN ") + query))
            steps << row.last();
        return steps.join(QStringLiteral("; "));
    }

private:
    static inline std::unique_ptr<DemoFolder> folder_;
};

} // namespace

TEST_F(DemoSchema, HasTheTablesAndColumnsTheClientAndComponentsName)
{
    const std::vector<std::pair<QString, QStringList>> required{
        {QStringLiteral("PATIENT_DATA.tbHospitalInfo"), {"Company", "Address1", "Title", "TinNo", "MTSServerName"}},
        {QStringLiteral("PATIENT_DATA.tbMaster"),
         {"HospNum", "LastName", "FirstName", "MiddleName", "Sex", "BirthDate", "BirthPlace", "CivilStatus",
          "Religion", "Occupation", "TelNumber", "Employer", "HouseStreet", "Barangay", "Municipality", "Province",
          "PWONum", "PWOClassification", "PWODiscountExpiry", "PWODiscountValidity"}},
        {QStringLiteral("PATIENT_DATA.tbPatient2"),
         {"IdNum", "HospNum", "AdmDate", "DcrDate", "RoomID", "AttendingDoctor", "ReferringDoctor",
          "AdmittingDiagnosis", "PatientClass", "AccountNum", "OPDIdNum"}},
        {QStringLiteral("PATIENT_DATA.tbOutPatient"),
         {"IdNum", "HospNum", "AdmDate", "PatientType", "DoctorID", "Diagnosis", "AccountNum"}},
        {QStringLiteral("PATIENT_DATA.tbERMaster"),
         {"IdNum", "HospNum", "AdmDate", "DischargeDate", "PatientClassification", "DoctorID", "ChiefComplaint"}},
        {QStringLiteral("BUILD_FILE.tbCoCivilStatus"), {"Code", "Description", "CivilStatus", "CivilStatusID"}},
        {QStringLiteral("BUILD_FILE.tbCoReligion"), {"Code", "Description", "Religion", "ReligionID"}},
        {QStringLiteral("BUILD_FILE.tbCoRelationship"), {"Code", "Description", "Relationship"}},
        {QStringLiteral("BUILD_FILE.tbCoRoom"), {"RoomID", "Description", "Station"}},
        {QStringLiteral("BUILD_FILE.tbCoDoctor"), {"DoctorID", "LastName", "FirstName", "MiddleName", "Specialty"}},
        {QStringLiteral("BUILD_FILE.tbCoEmployee"),
         {"EmployeeCode", "LastName", "FirstName", "MiddleName", "DeptCode", "Position", "LicenseNumber"}},
        {QStringLiteral("BUILD_FILE.tbCoUser"), {"EmployeeCode", "PasswordHash", "Rights", "Active"}},
        {QStringLiteral("BILLING.tbCompany"), {"AccountNum", "Company", "Address"}},
    };
    for (const auto &[qualified, columns] : required) {
        const QStringList parts = qualified.split(QLatin1Char('.'));
        QStringList present;
        for (const QStringList &row : folder().rows(
                 QStringLiteral("SELECT name FROM pragma_table_xinfo('%1', '%2')").arg(parts[1], parts[0])))
            present << row.first();
        for (const QString &column : columns)
            EXPECT_TRUE(present.contains(column)) << qPrintable(qualified) << " lacks " << qPrintable(column);
    }
}

TEST_F(DemoSchema, EveryTextColumnComparesWithTheHospitalCollation)
{
    int textColumns = 0;
    for (const Column &column : allColumns()) {
        const char *type = nullptr;
        const char *collation = nullptr;
        ASSERT_EQ(sqlite3_table_column_metadata(folder().db(), column.database.toUtf8().constData(),
                                                column.table.toUtf8().constData(), column.name.toUtf8().constData(),
                                                &type, &collation, nullptr, nullptr, nullptr),
                  SQLITE_OK);
        const QString declared = column.declaredType.toUpper();
        if (!declared.contains(QStringLiteral("CHAR")) && !declared.contains(QStringLiteral("TEXT")) &&
            !declared.contains(QStringLiteral("CLOB")))
            continue;
        ++textColumns;
        EXPECT_STRCASEEQ(collation, "HOSPITAL")
            << qPrintable(column.database + "." + column.table + "." + column.name);
    }
    EXPECT_GT(textColumns, 60);
}

TEST_F(DemoSchema, DeclaresOnlyTheServersTypes)
{
    // Any other spelling risks the wrong SQLite affinity, a DATETIME stored as a number for one.
    static const QRegularExpression serverType(
        QStringLiteral("^(VARCHAR\\(\\d+\\)|DATETIME|INT|MONEY|DECIMAL\\(\\d+,\\s*\\d+\\))$"));
    for (const Column &column : allColumns())
        EXPECT_TRUE(serverType.match(column.declaredType.toUpper()).hasMatch())
            << qPrintable(column.database + "." + column.table + "." + column.name + " is " + column.declaredType);
}

TEST_F(DemoSchema, TextComparisonIgnoresCaseAndTrailingBlanks)
{
    EXPECT_EQ(folder().number(QStringLiteral("SELECT count(*) FROM PATIENT_DATA.tbMaster "
                                             "WHERE LastName = 'o''brien   '")),
              1);
    const QString code = folder().text(QStringLiteral("SELECT Code FROM BUILD_FILE.tbCoReligion WHERE Code = 'rc '"));
    EXPECT_EQ(code, QStringLiteral("RC"));
}

TEST_F(DemoSchema, LookupsUseAnIndexInsteadOfAScan)
{
    const QStringList lookups{
        QStringLiteral("SELECT * FROM PATIENT_DATA.tbMaster WHERE HospNum = '00010005'"),
        QStringLiteral("SELECT * FROM PATIENT_DATA.tbMaster WHERE LastName >= 'SANT' AND LastName < 'SANU'"),
        QStringLiteral("SELECT * FROM PATIENT_DATA.tbMaster WHERE PWONum = '2026-00001'"),
        QStringLiteral("SELECT * FROM PATIENT_DATA.tbPatient2 WHERE IdNum = '260000001'"),
        QStringLiteral("SELECT * FROM PATIENT_DATA.tbPatient2 WHERE HospNum = '00010005'"),
        QStringLiteral("SELECT * FROM PATIENT_DATA.tbPatient2 WHERE DcrDate IS NULL"),
        QStringLiteral("SELECT * FROM PATIENT_DATA.tbPatient2 WHERE AdmDate >= '2026-03-01'"),
        QStringLiteral("SELECT * FROM PATIENT_DATA.tbOutPatient WHERE HospNum = '00010005'"),
        QStringLiteral("SELECT * FROM PATIENT_DATA.tbERMaster WHERE HospNum = '00010005'"),
        QStringLiteral("SELECT * FROM PATIENT_DATA.tbERMaster WHERE DischargeDate IS NULL"),
        QStringLiteral("SELECT * FROM BUILD_FILE.tbCoEmployee WHERE DeptCode = 'PWO'"),
    };
    // Scanning a partial index is fine: it holds only the rows asked for.
    for (const QString &lookup : lookups) {
        const QString plan = planOf(lookup);
        EXPECT_TRUE(plan.contains(QStringLiteral(" USING "))) << qPrintable(lookup + " -> " + plan);
    }
}

TEST(Schema, CreatingItTwiceFailsWithTheDatabaseNamed)
{
    QTemporaryDir dir;
    std::unique_ptr<sqlite3, decltype(&sqlite3_close)> db(openDatabaseSet(dir.path(), DatabaseSetMode::Create),
                                                           &sqlite3_close);
    createSchema(db.get());
    try {
        createSchema(db.get());
        FAIL() << "a second createSchema succeeded";
    } catch (const pwo::DatabaseError &error) {
        EXPECT_TRUE(error.description().contains(QStringLiteral(":/schema/PWO/"))) << qPrintable(error.description());
        EXPECT_TRUE(error.description().contains(QStringLiteral("already exists"))) << qPrintable(error.description());
    }
}
