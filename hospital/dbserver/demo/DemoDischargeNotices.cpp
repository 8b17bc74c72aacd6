#include "hospital/dbserver/demo/DemoDischargeNotices.h"

#include "hospital/dbserver/demo/DemoStatements.h"

#include <QString>

#include <sqlite3.h>

namespace hospital::dbserver::demo {

namespace {
// Every eleventh current admission, in admission-number order; the nurse and
// the clearing worker are picked by the same count, so the rows repeat.
const char *const noticesOfCurrentStays = R"sql(
WITH c AS (
    SELECT IdNum, HospNum, row_number() OVER (ORDER BY IdNum) AS n
      FROM PATIENT_DATA.tbPatient2 WHERE DcrDate IS NULL
), nurses AS (
    SELECT FirstName || ' ' || LastName AS Name, row_number() OVER (ORDER BY EmployeeCode) - 1 AS k,
           count(*) OVER () AS total
      FROM BUILD_FILE.tbCoEmployee WHERE DeptCode = 'NUR'
), workers AS (
    SELECT EmployeeCode, row_number() OVER (ORDER BY EmployeeCode) - 1 AS k, count(*) OVER () AS total
      FROM BUILD_FILE.tbCoEmployee WHERE DeptCode = 'PWO'
), s AS (
    SELECT IdNum, HospNum, n / 11 AS n,
           datetime('@TODAY@', printf('-%d days', (n / 11) % 3), printf('+%d minutes', 420 + (n * 37) % 600)) AS noticed
      FROM c WHERE n % 11 = 3
)
INSERT INTO PWO.tbPWODischargeNotice (IDNUM, HospNum, DischargeNurse, OrderedDate, NoticeDate, REMARKS, UserId,
                                      ClearDate, ClearRemarks)
SELECT s.IdNum, s.HospNum, nu.Name, datetime(s.noticed, '-2 hours'), s.noticed,
       CASE s.n % 4 WHEN 0 THEN 'May go home; take-home medicines ordered.'
                    WHEN 1 THEN 'For discharge after the last dose of antibiotics.'
                    WHEN 2 THEN 'Watcher asks for help with the bill.'
                    ELSE NULL END,
       CASE WHEN s.n % 3 = 0 THEN w.EmployeeCode END,
       CASE WHEN s.n % 3 = 0 THEN datetime(s.noticed, '+45 minutes') END,
       CASE WHEN s.n % 3 = 0 THEN CASE s.n % 2 WHEN 0 THEN 'Cleared; promissory note' ELSE 'Bill settled by sponsor' END END
  FROM s
  LEFT JOIN nurses nu ON nu.k = s.n % nu.total
  LEFT JOIN workers w ON w.k = s.n % w.total
)sql";
} // namespace

int writeDischargeNotices(sqlite3 *db, QDate today)
{
    QString sql = QString::fromUtf8(noticesOfCurrentStays);
    sql.replace(QStringLiteral("@TODAY@"), today.toString(QStringLiteral("yyyy-MM-dd")));
    const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        throwDemoError(db, rc, QStringLiteral("writing the discharge notices"));
    return sqlite3_changes(db);
}

} // namespace hospital::dbserver::demo
