-- parameters: @HospNum varchar(8)
-- The stored intake sheet with its case data; the dates, class, category and
-- worker come from the case data, the rest from the sheet and the other
-- information. No row when the patient has no sheet.
SELECT s.SenCitizen, s.brgyOfficial, s.BHW, s.PWD, s.Indigenous,
       p.PWOW, p.PWONumber, p.ExpiryDate, p.InterviewDate, s.Education,
       p.categoryDescription, ifnull(p.classCode, '') AS classCode, s.Classification AS ClassificationDescription,
       s.Salary, ifnull(o.InfoSource, '') AS InfoSource, o.ReferringParty, o.ReferredBy, o.ReferralAddress,
       s.TemporaryAddress, s.PermanentAddress, s.OtherSectorialMembership, p.refpartyid, p.CategoryNum
  FROM PWO.tbPWOIntakeSheet s
  LEFT JOIN PWO.tbPWOPatientData p ON p.HospNum = s.HospNum
  LEFT JOIN PWO.tbPWOOtherPatientInfo o ON o.HospNum = s.HospNum
 WHERE s.HospNum = @HospNum;
