#include "hospital/dbserver/demo/DemoAssessmentContext.h"

#include "hospital/dbserver/demo/DemoStatements.h"

#include <sqlite3.h>

namespace hospital::dbserver::demo {

namespace {

const char *const caseStates[][2] = {
    {"N", "New Case"}, {"O", "Old Case (follow-up)"}, {"C", "Closed Case"}, {"R", "Re-opened Case"},
};

const char *const parentCategories[][2] = {
    {"1", "Medical"}, {"2", "Surgical"}, {"3", "Social"},
};

// An assessment's number that another patient already holds in the master
// moves to the 9xxxx range, which the master's numbering does not reach.
// Each assessed stay gets a room or consultation charge and, when it was
// classified, the discount the office granted on it.
const char *const assessedStays = R"sql(
UPDATE PWO.tbPWOAssessment
   SET PWONum = substr(PWONum, 1, 5) || '9' || substr(PWONum, 7)
 WHERE EXISTS (SELECT 1 FROM PATIENT_DATA.tbMaster o
                WHERE o.PWONum = tbPWOAssessment.PWONum AND o.HospNum <> tbPWOAssessment.HospNum);
UPDATE PATIENT_DATA.tbMaster AS m
   SET PWONum = a.PWONum, PWOClassification = a.Code,
       PWODiscountValidity = strftime('%m/%d/%Y', a.PWODiscountValidity), PWODiscountExpiry = a.PWODiscountExpiry
  FROM (SELECT HospNum, PWONum, Code, PWODiscountValidity, PWODiscountExpiry,
               row_number() OVER (PARTITION BY HospNum ORDER BY DateAssessed DESC) AS k
          FROM PWO.tbPWOAssessment) a
 WHERE a.HospNum = m.HospNum AND a.k = 1 AND m.PWONum IS NULL
   AND NOT EXISTS (SELECT 1 FROM PATIENT_DATA.tbMaster o WHERE o.PWONum = a.PWONum);
UPDATE PWO.tbPWOAssessment
   SET PWONum = (SELECT m.PWONum FROM PATIENT_DATA.tbMaster m WHERE m.HospNum = tbPWOAssessment.HospNum)
 WHERE EXISTS (SELECT 1 FROM PATIENT_DATA.tbMaster m WHERE m.HospNum = tbPWOAssessment.HospNum AND m.PWONum IS NOT NULL);
UPDATE PWO.tbPWOAssessment
   SET parentcategory = CASE WHEN CaseCategory IN ('01', '02') THEN '1'
                             WHEN CaseCategory IN ('05') THEN '2' ELSE '3' END;
INSERT INTO BILLING.tbBillDailyBill (IdNum, TransDate, RevenueID, RefNum, Description, Amount)
SELECT a.IDNUM, a.PWODiscountValidity, 'RB', 'RB-' || a.IDNUM, 'Room and board', 4500
  FROM PWO.tbPWOAssessment a JOIN PATIENT_DATA.tbPatient2 p ON p.IdNum = a.IDNUM
UNION ALL
SELECT a.IDNUM, a.PWODiscountValidity, 'QF', a.PWONum, 'PWO discount class ' || a.Code, -1500
  FROM PWO.tbPWOAssessment a JOIN PATIENT_DATA.tbPatient2 p ON p.IdNum = a.IDNUM
 WHERE ifnull(a.Code, '') NOT IN ('', 'A');
INSERT INTO BILLING.tbBillOPDailyOut (IdNum, TransDate, RevenueID, RefNum, Description, Amount)
SELECT a.IDNUM, a.PWODiscountValidity, 'CF', 'CF-' || a.IDNUM, 'Consultation', 500
  FROM PWO.tbPWOAssessment a WHERE NOT EXISTS (SELECT 1 FROM PATIENT_DATA.tbPatient2 p WHERE p.IdNum = a.IDNUM)
UNION ALL
SELECT a.IDNUM, a.PWODiscountValidity, 'QF', a.PWONum, 'PWO discount class ' || a.Code, -250
  FROM PWO.tbPWOAssessment a
 WHERE NOT EXISTS (SELECT 1 FROM PATIENT_DATA.tbPatient2 p WHERE p.IdNum = a.IDNUM)
   AND ifnull(a.Code, '') NOT IN ('', 'A');
)sql";

} // namespace

void writeAssessmentContext(sqlite3 *db)
{
    {
        RowInserter states(db, QStringLiteral("PWO.tbPWOActive"), {QStringLiteral("Code"), QStringLiteral("CaseStatus")});
        for (const auto &row : caseStates)
            states.insert({QString::fromLatin1(row[0]), QString::fromLatin1(row[1])});
        RowInserter parents(db, QStringLiteral("PWO.tbPWOParentCategory"),
                            {QStringLiteral("parentcategoryid"), QStringLiteral("parentcategory")});
        for (const auto &row : parentCategories)
            parents.insert({QString::fromLatin1(row[0]), QString::fromLatin1(row[1])});
    }
    const int rc = sqlite3_exec(db, assessedStays, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        throwDemoError(db, rc, QStringLiteral("writing the assessed stays' case numbers and bills"));
}

} // namespace hospital::dbserver::demo
