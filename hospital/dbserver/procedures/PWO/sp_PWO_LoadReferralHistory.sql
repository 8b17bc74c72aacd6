-- parameters: @HospNum varchar(8), @LastName varchar(50), @FirstName varchar(50)
-- Referrals whose hospital number and patient's names start with the texts
-- given; empty texts match every referral. Newest first. The texts are
-- matched literally: % and _ are not wildcards.
WITH search AS (
    SELECT replace(replace(replace(@HospNum, '\', '\\'), '%', '\%'), '_', '\_') AS HospNum,
           replace(replace(replace(@LastName, '\', '\\'), '%', '\%'), '_', '\_') AS LastName,
           replace(replace(replace(@FirstName, '\', '\\'), '%', '\%'), '_', '\_') AS FirstName
)
SELECT m.LastName || ', ' || m.FirstName || ifnull(' ' || nullif(m.MiddleName, ''), '') AS PatientName,
       r.IdNum AS IDNUM, r.HospNum, r.DateApproved, r.ReferralDate, r.Status, r.Diagnosis, r.ReferralNo,
       r.ReferredBy, r.ApprovedBy
  FROM PWO.tbPWOReferral r
  LEFT JOIN PATIENT_DATA.tbMaster m ON m.HospNum = r.HospNum, search s
 WHERE r.HospNum LIKE s.HospNum || '%' ESCAPE '\'
   AND ifnull(m.LastName, '') LIKE s.LastName || '%' ESCAPE '\'
   AND ifnull(m.FirstName, '') LIKE s.FirstName || '%' ESCAPE '\'
 ORDER BY r.ReferralDate DESC, r.ReferralNo;
