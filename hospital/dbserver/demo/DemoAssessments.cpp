#include "hospital/dbserver/demo/DemoAssessments.h"

#include "hospital/dbserver/demo/DemoServiceCodes.h"
#include "hospital/dbserver/demo/DemoStatements.h"

#include <QStringList>

#include <sqlite3.h>

namespace hospital::dbserver::demo {

namespace {

const char *const referringParties[][2] = {
    {"1", "Walk-in / Self"},          {"2", "Attending Physician"}, {"3", "Nursing Service"},
    {"4", "Other Hospital"},          {"5", "Government Agency"},   {"6", "Non-Government Organization"},
    {"7", "Relatives and Friends"},
};

// The services the older table counts: the first of the service tree.
const char *const services[] = {"1.1", "1.2", "1.3", "1.4", "1.5", "1.6", "1.7"};

const char *const documentation[] = {
    "Intake Sheet",      "Patients Profile",        "Registration Logbook",     "Service Card",
    "Patients Data Card", "Transfer Summary",       "Closing Summary",          "Groupwork Recording",
    "Eligibility Study Report", "Social Case Study Report", "Home Visit Report", "Work Plan",
    "Daily Accomplishment", "Monthly Census of Cases", "FeedBack",              "Annual Report",
    "Progress Note",     "Others",
};

// Flag k of a stay is set for every third (v + k): a spread the reports can count.
QString documentationFlags()
{
    QStringList formats, flags;
    for (int k = 0; k < 18; ++k) {
        formats << QStringLiteral("%d|");
        flags << QStringLiteral("CASE WHEN (s.v + %1) % 3 = 0 THEN 1 ELSE 0 END").arg(k);
    }
    return QStringLiteral("printf('%1', %2)").arg(formats.join(QString()), flags.join(QStringLiteral(", ")));
}

QString assessmentsOfRecentStays(QDate today)
{
    QString sql = QStringLiteral(R"sql(
WITH stays AS (
    SELECT IdNum, HospNum, AdmDate FROM PATIENT_DATA.tbPatient2 WHERE AdmDate >= '@FROM@'
    UNION ALL SELECT IdNum, HospNum, AdmDate FROM PATIENT_DATA.tbOutPatient WHERE AdmDate >= '@FROM@'
    UNION ALL SELECT IdNum, HospNum, AdmDate FROM PATIENT_DATA.tbERMaster WHERE AdmDate >= '@FROM@'
),
numbered AS (SELECT IdNum, HospNum, AdmDate, row_number() OVER (ORDER BY AdmDate, IdNum) AS n FROM stays),
workers AS (
    SELECT EmployeeCode, row_number() OVER (ORDER BY EmployeeCode) - 1 AS k, count(*) OVER () AS total
      FROM BUILD_FILE.tbCoEmployee WHERE DeptCode = 'PWO'
),
-- Every third stay; n counts the chosen ones and picks the worker, v (which
-- drifts against n) picks everything else, so that each worker's cases vary.
s AS (
    SELECT IdNum, HospNum, AdmDate, n / 3 AS n, n / 3 + n / 39 AS v, datetime(date(AdmDate, printf('+%d days', n % 2))) AS intake
      FROM numbered WHERE n % 3 = 0 AND date(AdmDate, printf('+%d days', n % 2)) <= '@TODAY@'
)
INSERT INTO PWO.tbPWOAssessment (IDNUM, HospNum, PWONum, Code, PWODiscountValidity, PWODiscountExpiry, CaseCategory,
                                 parentcategory, ReferringPartyID, PWOW, EncodedBy, casestatus, Active, REMARKS, NC,
                                 IsPCSO, IsCDF, IsSpecial, pcsotype, serviceid, activityid, docs, DateAssessed)
SELECT s.IdNum, s.HospNum, printf('%s-%05d', substr(s.AdmDate, 1, 4), s.n),
       CASE s.v % 5 WHEN 0 THEN 'B' WHEN 1 THEN 'C1' WHEN 2 THEN 'C2' WHEN 3 THEN 'C3' ELSE 'D' END,
       s.intake,
       CASE WHEN s.v % 9 = 0 THEN datetime(s.intake, '+30 days') ELSE datetime(s.intake, '+180 days') END,
       printf('%02d', 1 + s.v % 6), NULL, CAST(1 + s.v % 7 AS TEXT), w.EmployeeCode, w.EmployeeCode,
       CASE WHEN s.v % 4 = 0 THEN 'C' WHEN s.v % 4 = 1 THEN 'O' ELSE 'N' END,
       CASE WHEN s.v % 4 = 0 THEN 'N' ELSE 'Y' END,
       CASE s.v % 6 WHEN 0 THEN 'Interviewed the patient and the watcher.'
                    WHEN 1 THEN 'Family income below the poverty line.'
                    WHEN 2 THEN 'Referred by the ward for assistance with medicines.'
                    WHEN 3 THEN 'Home visit scheduled.'
                    ELSE NULL END,
       CASE WHEN s.v % 5 = 2 OR s.v % 7 = 3 THEN 500 + (s.v % 8) * 250 ELSE 0 END,
       CASE WHEN s.v % 5 = 2 THEN '1' ELSE '' END,
       CASE WHEN s.v % 7 = 3 THEN '1' ELSE '' END,
       CASE WHEN s.v % 11 = 0 THEN '1' ELSE '' END,
       CASE WHEN s.v % 5 <> 2 THEN '' WHEN s.v % 3 = 0 THEN 'E' WHEN s.v % 3 = 1 THEN 'G' ELSE 'C' END,
       CASE s.v % 4 WHEN 0 THEN '1.1|1.2|' WHEN 1 THEN '1.2|' WHEN 2 THEN '1.1|1.3|1.4|' ELSE '1.2|1.5|1.7|' END,
       CASE s.v % 3 WHEN 0 THEN '1.1.1|' WHEN 1 THEN '1.1.1|1.7.1|' ELSE '' END,
       @DOCS@,
       datetime(s.intake, '+9 hours', printf('+%d minutes', s.v % 50))
  FROM s JOIN workers w ON w.k = s.n % w.total
)sql");
    // Tokens rather than QString::arg: the SQL's own printf formats hold "%0".
    sql.replace(QStringLiteral("@FROM@"), today.addDays(-120).toString(QStringLiteral("yyyy-MM-dd")));
    sql.replace(QStringLiteral("@TODAY@"), today.toString(QStringLiteral("yyyy-MM-dd")));
    sql.replace(QStringLiteral("@DOCS@"), documentationFlags());
    return sql;
}

void writeCodes(sqlite3 *db)
{
    RowInserter parties(db, QStringLiteral("PWO.tbPWOReferringParty"), {"Code", "ReferringParty"});
    for (const auto &row : referringParties)
        parties.insert({row[0], row[1]});
    RowInserter serviceRows(db, QStringLiteral("PWO.tbPWOServices"), {"Code", "Service"});
    for (const char *code : services)
        serviceRows.insert({code, serviceDescription(QString::fromLatin1(code))});
    RowInserter documents(db, QStringLiteral("PWO.tbPWODocumentation"), {"Code", "Documentation"});
    int code = 0;
    for (const char *name : documentation)
        documents.insert({code++, name});
}

} // namespace

int writeAssessments(sqlite3 *db, QDate today)
{
    writeCodes(db);
    const QByteArray sql = assessmentsOfRecentStays(today).toUtf8();
    const int rc = sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        throwDemoError(db, rc, QStringLiteral("writing the assessments"));
    return sqlite3_changes(db);
}

} // namespace hospital::dbserver::demo
