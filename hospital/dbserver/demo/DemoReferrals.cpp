#include "hospital/dbserver/demo/DemoReferrals.h"

#include "hospital/dbserver/demo/DemoStatements.h"

#include <sqlite3.h>

namespace hospital::dbserver::demo {

namespace {
// Every seventh current admission, in admission-number order, so the choice
// follows the admissions the generator already made deterministically.
const char *const referralsOfCurrentStays = R"sql(
INSERT INTO PWO.tbPWOReferral (ReferralNo, IdNum, HospNum, ReferralDate, Diagnosis, Category, ReferredBy,
                               Tick1, Tick2, Tick3, Tick4, Tick5, Others, Status, Remarks, ApprovedBy,
                               ScheduleDate, DateApproved)
SELECT printf('RF%s-%05d', substr(a.AdmDate, 3, 2), n),
       a.IdNum, a.HospNum, datetime(a.AdmDate, '+1 day', '+10 hours'), a.AdmittingDiagnosis,
       CASE n % 3 WHEN 0 THEN 'MEDICAL' WHEN 1 THEN 'SURGICAL' ELSE 'PEDIATRICS' END,
       'DR. ' || d.FirstName || ' ' || d.LastName,
       CASE WHEN n % 2 = 0 THEN 'Y' ELSE 'N' END, CASE WHEN n % 3 = 0 THEN 'Y' ELSE 'N' END,
       CASE WHEN n % 5 = 0 THEN 'Y' ELSE 'N' END, 'N', CASE WHEN n % 4 = 0 THEN 'Y' ELSE 'N' END,
       CASE WHEN n % 4 = 0 THEN 'Family cannot afford the medicines' END,
       CASE WHEN n % 4 = 1 THEN 'P' WHEN n % 4 = 2 THEN 'A' WHEN n % 4 = 3 THEN 'D' ELSE 'C' END,
       CASE WHEN n % 4 = 1 THEN NULL ELSE 'Interviewed the watcher; assessment done.' END,
       CASE WHEN n % 4 = 1 THEN NULL ELSE 'demo' END,
       CASE WHEN n % 4 = 1 THEN NULL ELSE datetime(a.AdmDate, '+2 days') END,
       CASE WHEN n % 4 = 1 THEN NULL ELSE datetime(a.AdmDate, '+1 day', '+15 hours') END
  FROM (SELECT IdNum, row_number() OVER (ORDER BY IdNum) AS n FROM PATIENT_DATA.tbPatient2 WHERE DcrDate IS NULL) c
  JOIN PATIENT_DATA.tbPatient2 a ON a.IdNum = c.IdNum
  LEFT JOIN BUILD_FILE.tbCoDoctor d ON d.DoctorID = a.AttendingDoctor
 WHERE c.n % 7 = 1
)sql";
} // namespace

int writeReferrals(sqlite3 *db)
{
    const int rc = sqlite3_exec(db, referralsOfCurrentStays, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        throwDemoError(db, rc, QStringLiteral("writing the referrals"));
    return sqlite3_changes(db);
}

} // namespace hospital::dbserver::demo
