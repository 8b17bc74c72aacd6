-- parameters: none
-- The referrals the office has to see: every one still pending, and those
-- of patients still admitted; the pending first, the oldest first within.
SELECT m.LastName || ', ' || m.FirstName || ifnull(' ' || nullif(m.MiddleName, ''), '') AS PatientName,
       r.IdNum AS IDNUM, r.HospNum, r.Diagnosis, r.ReferralDate, r.ReferralNo, r.ReferredBy, r.Status
  FROM PWO.tbPWOReferral r
  LEFT JOIN PATIENT_DATA.tbMaster m ON m.HospNum = r.HospNum
  LEFT JOIN PATIENT_DATA.tbPatient2 a ON a.IdNum = r.IdNum
 WHERE r.Status = 'P' OR (a.IdNum IS NOT NULL AND a.DcrDate IS NULL)
 ORDER BY r.Status <> 'P', r.ReferralDate, r.ReferralNo;
