#include "hospital/dbserver/demo/DemoIntakeSheets.h"

#include "hospital/dbserver/demo/DemoStatements.h"

#include <sqlite3.h>

namespace hospital::dbserver::demo {

namespace {

const char *const livingArrangements[] = {"Owned House", "Rented House", "Living with Relatives", "Informal Settler",
                                          "Boarding House", "Institution"};
const char *const philhealthTypes[] = {"Member - Employed", "Member - Self-Employed", "Indigent (Sponsored)",
                                       "OFW", "Lifetime Member", "Dependent", "Non-Member"};
const char *const categoryTypes[] = {"Financially Capable", "Financially Incapacitated", "Indigent"};
const char *const accomodations[] = {"INPATIENT", "OUTPATIENT", "ER PATIENT", "SERVICE WARD", "PAY WARD"};

void writeList(sqlite3 *db, const char *table, const auto &names)
{
    RowInserter rows(db, QString::fromLatin1(table), {QStringLiteral("code"), QStringLiteral("Description")});
    int code = 1;
    for (const char *name : names)
        rows.insert({code++, name});
}

// v picks each text from a short list, so that sheets differ from one another.
const char *const sheetsOfAssessedPatients = R"sql(
CREATE TEMP TABLE demo_sheet AS
WITH latest AS (
    SELECT a.*, row_number() OVER (PARTITION BY a.HospNum ORDER BY a.DateAssessed DESC) AS k
      FROM PWO.tbPWOAssessment a
),
chosen AS (SELECT *, row_number() OVER (ORDER BY HospNum) AS n FROM latest WHERE k = 1)
SELECT c.*, n * 7 + length(c.HospNum) AS v FROM chosen c
 WHERE n % 4 = 0 OR c.HospNum IN (SELECT HospNum FROM PWO.tbPWOFamilyComposition);

INSERT INTO PWO.tbPWOPatientData (HospNum, IDNUM, PWONumber, classCode, categoryDescription, CategoryNum,
                                  InterviewDate, ExpiryDate, PWOW, EncodedBy, refpartyid, DateEncoded)
SELECT s.HospNum, s.IDNUM, s.PWONum, s.Code, k.category, s.CaseCategory, s.PWODiscountValidity, s.PWODiscountExpiry,
       e.FirstName || ' ' || e.LastName, s.EncodedBy, s.ReferringPartyID, s.DateAssessed
  FROM demo_sheet s
  LEFT JOIN PWO.tbPWOCaseCategory k ON k.Code = s.CaseCategory
  LEFT JOIN BUILD_FILE.tbCoEmployee e ON e.EmployeeCode = s.PWOW;

INSERT INTO PWO.tbPWOIntakeSheet
       (HospNum, DateInterviewed, Classification, Category, Salary, Education, Ward, LastName, FirstName,
        MiddleName, Sex, BirthDate, CivilStatus, Occupation, Age, TelNo, BirthPlace, Religion, Employer, IDNUM,
        AdmissionDate, InterviewDate, ExpiryDate, TemporaryAddress, PermanentAddress, PWONumber, SenCitizen,
        brgyOfficial, BHW, PWD, Indigenous, OtherSectorialMembership)
SELECT s.HospNum, strftime('%m/%d/%Y', s.PWODiscountValidity), ifnull(c.Classification, ''), ifnull(k.category, ''),
       CASE WHEN m.BirthDate > date(s.PWODiscountValidity, '-18 years') THEN '0'
            ELSE CASE s.v % 5 WHEN 0 THEN '0' WHEN 1 THEN '4500' WHEN 2 THEN '8000' WHEN 3 THEN '12000' ELSE '6500' END
       END,
       CASE WHEN m.BirthDate > date(s.PWODiscountValidity, '-7 years') THEN 'None'
            WHEN m.BirthDate > date(s.PWODiscountValidity, '-18 years') THEN 'Elementary Level'
            ELSE CASE s.v % 4 WHEN 0 THEN 'Elementary Graduate' WHEN 1 THEN 'High School Graduate'
                              WHEN 2 THEN 'College Undergraduate' ELSE 'Vocational' END
       END,
       CASE WHEN s.IDNUM LIKE '%B' THEN 'OPD' ELSE ifnull(p.RoomID, '') END,
       m.LastName, m.FirstName, ifnull(m.MiddleName, ''), CASE m.Sex WHEN 'M' THEN 'Male' ELSE 'Female' END,
       ifnull(strftime('%m/%d/%Y', m.BirthDate), ''), ifnull(cs.Description, ''), ifnull(m.Occupation, ''),
       ifnull(CAST((julianday(s.PWODiscountValidity) - julianday(m.BirthDate)) / 365.25 AS INT), ''),
       ifnull(m.TelNumber, ''), ifnull(m.BirthPlace, ''), ifnull(r.Description, ''), ifnull(m.Employer, ''),
       s.IDNUM, strftime('%m/%d/%Y', ifnull(p.AdmDate, ifnull(o.AdmDate, er.AdmDate))),
       strftime('%m/%d/%Y', s.PWODiscountValidity), strftime('%m/%d/%Y', s.PWODiscountExpiry),
       CASE WHEN s.v % 3 = 0 THEN 'c/o relatives, ' || ifnull(m.Municipality, '') ELSE '' END,
       trim(ifnull(m.HouseStreet, '') || ', ' || ifnull(m.Barangay, '') || ', ' || ifnull(m.Municipality, '') || ', ' ||
            ifnull(m.Province, ''), ', '),
       s.PWONum,
       CASE WHEN m.BirthDate <= date(s.PWODiscountValidity, '-60 years') THEN '1' ELSE '0' END,
       CASE WHEN s.v % 23 = 0 THEN '1' ELSE '0' END, CASE WHEN s.v % 17 = 0 THEN '1' ELSE '0' END,
       CASE WHEN s.v % 13 = 0 THEN '1' ELSE '0' END, CASE WHEN s.v % 19 = 0 THEN '1' ELSE '0' END,
       CASE WHEN s.v % 29 = 0 THEN 'Farmers'' Association' ELSE '' END
  FROM demo_sheet s
  JOIN PATIENT_DATA.tbMaster m ON m.HospNum = s.HospNum
  LEFT JOIN PWO.tbPWOClassificationScheme c ON c.Code = s.Code
  LEFT JOIN PWO.tbPWOCaseCategory k ON k.Code = s.CaseCategory
  LEFT JOIN PATIENT_DATA.tbPatient2 p ON p.IdNum = s.IDNUM
  LEFT JOIN PATIENT_DATA.tbOutPatient o ON o.IdNum = s.IDNUM
  LEFT JOIN PATIENT_DATA.tbERMaster er ON er.IdNum = s.IDNUM
  LEFT JOIN BUILD_FILE.tbCoCivilStatus cs ON cs.Code = m.CivilStatus
  LEFT JOIN BUILD_FILE.tbCoReligion r ON r.Code = m.Religion;

INSERT INTO PWO.tbPWOOtherPatientInfo
       (HospNum, ReferringParty, ReferredBy, ReferralAddress, ReferringPartyContactNo, InfoSource,
        CompanionUponAdmission, PerCapitaIncome, LivingArrangement, RelationToPatient, AddressOfInformant,
        AdmDiagnosis, FinalDiagnosis, ProbSympDuration, PrevTretmentDuration, PresentTreatmentPlan,
        HealthAccessibility, Assessment, RecommendedInterventions, PhilhealthType, CategoryType, Accomodation)
SELECT s.HospNum, ifnull(rp.ReferringParty, ''),
       CASE WHEN s.v % 2 = 0 AND d.DoctorID IS NOT NULL THEN 'Dr. ' || d.FirstName || ' ' || d.LastName ELSE 'Ward Nurse' END,
       CASE WHEN s.v % 2 = 0 THEN 'Department of Internal Medicine' ELSE 'Nursing Service Office' END,
       CASE WHEN s.v % 3 = 0 THEN '(088) 856-' || printf('%04d', s.v % 10000) ELSE '' END,
       CASE s.v % 3 WHEN 0 THEN 'Patient' WHEN 1 THEN 'Spouse' ELSE 'Mother' END,
       CASE s.v % 3 WHEN 0 THEN 'Spouse' WHEN 1 THEN 'Daughter' ELSE 'None' END,
       CASE s.v % 5 WHEN 0 THEN '850' WHEN 1 THEN '1200' WHEN 2 THEN '1600' WHEN 3 THEN '2400' ELSE '1000' END,
       CASE s.v % 4 WHEN 0 THEN 'Owned House' WHEN 1 THEN 'Rented House' WHEN 2 THEN 'Living with Relatives'
                    ELSE 'Informal Settler' END,
       CASE s.v % 3 WHEN 0 THEN '' WHEN 1 THEN 'SPOUSE' ELSE 'MOTHER' END,
       CASE WHEN s.v % 3 = 0 THEN '' ELSE 'Same as patient' END,
       ifnull(p.AdmittingDiagnosis, ''), ifnull(p.AdmittingDiagnosis, ''),
       CASE s.v % 3 WHEN 0 THEN '3 days' WHEN 1 THEN '2 weeks' ELSE '6 months' END,
       CASE s.v % 3 WHEN 0 THEN 'None' WHEN 1 THEN 'Self-medication, 1 week' ELSE 'Rural health unit, 1 month' END,
       CASE s.v % 3 WHEN 0 THEN 'Medical management' WHEN 1 THEN 'Surgery scheduled' ELSE 'Observation' END,
       CASE s.v % 3 WHEN 0 THEN 'Available' WHEN 1 THEN 'Not Available' ELSE '' END,
       CASE s.v % 3 WHEN 0 THEN 'Patient''s family cannot meet the cost of hospitalization; income is seasonal.'
                    WHEN 1 THEN 'Sole earner of the family is the patient; the household depends on relatives.'
                    ELSE 'Family is cooperative; the partial payment of the bill is within their means.' END,
       CASE s.v % 3 WHEN 0 THEN 'Discount on hospital bill; referral to sponsor for medicines.'
                    WHEN 1 THEN 'Counseling; guarantee letter; home visit after discharge.'
                    ELSE 'Discount on hospital bill.' END,
       CASE s.v % 4 WHEN 0 THEN 'Indigent (Sponsored)' WHEN 1 THEN 'Member - Employed' WHEN 2 THEN 'Dependent'
                    ELSE 'Non-Member' END,
       CASE s.v % 3 WHEN 0 THEN 'Indigent' WHEN 1 THEN 'Financially Incapacitated' ELSE 'Financially Capable' END,
       CASE WHEN s.IDNUM LIKE '%B' THEN 'OUTPATIENT' ELSE 'INPATIENT' END
  FROM demo_sheet s
  LEFT JOIN PWO.tbPWOReferringParty rp ON rp.Code = s.ReferringPartyID
  LEFT JOIN PATIENT_DATA.tbPatient2 p ON p.IdNum = s.IDNUM
  LEFT JOIN BUILD_FILE.tbCoDoctor d ON d.DoctorID = p.ReferringDoctor;

INSERT INTO PWO.tbPWOMonthlyExpenses
       (HospNum, rent, Owned, Amortize, Electric, Kerosine, Candle, ArtesianWell, WaterDistrict, WaterPublic,
        WaterOwned, Food, Clothing, Gas, Firewood, Charcoal, MCS, TuitionFee, Allowance, TranspoAllowance,
        TranspoMed, MedicalExpenditure, HouseHelp, InsurancePremium, OTher, OtherAmount, TotalMonthlyExpenditure)
SELECT HospNum, rent, '0', '0', electric, '0', '0', '0', water, '0', '0', food, '300', gas, '0', '0', '0', '0',
       allowance, fare, '0', medical, '0', '0', CASE WHEN v % 2 = 0 THEN 'Cellphone load' ELSE '' END, other,
       CAST(rent + electric + water + food + 300 + gas + allowance + fare + medical + other AS TEXT)
  FROM (SELECT HospNum, v, CASE WHEN v % 3 = 0 THEN 1500 ELSE 0 END AS rent, 300 + (v % 5) * 100 AS electric,
               150 + (v % 3) * 50 AS water, 3000 + (v % 6) * 500 AS food, 350 AS gas, (v % 4) * 500 AS allowance,
               200 + (v % 3) * 100 AS fare, (v % 5) * 400 AS medical, CASE WHEN v % 2 = 0 THEN 200 ELSE 0 END AS other
          FROM demo_sheet);

DROP TABLE demo_sheet;
)sql";

} // namespace

int writeIntakeSheets(sqlite3 *db)
{
    writeList(db, "PWO.tbPWOLivingArrangement", livingArrangements);
    writeList(db, "PWO.tbPWOPhilhealthType", philhealthTypes);
    writeList(db, "PWO.tbPWOCategoryType", categoryTypes);
    writeList(db, "PWO.tbPWOAccomodation", accomodations);
    const int rc = sqlite3_exec(db, sheetsOfAssessedPatients, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        throwDemoError(db, rc, QStringLiteral("writing the intake sheets"));
    sqlite3_stmt *count = nullptr;
    sqlite3_prepare_v2(db, "SELECT count(*) FROM PWO.tbPWOIntakeSheet", -1, &count, nullptr);
    const int sheets = sqlite3_step(count) == SQLITE_ROW ? sqlite3_column_int(count, 0) : 0;
    sqlite3_finalize(count);
    return sheets;
}

} // namespace hospital::dbserver::demo
