-- parameters: @IDNUM varchar(11), @ReferralNo varchar(15)
-- One referral with its patient and whether the stay has ended
-- (DischargeDate null while admitted).
SELECT m.LastName || ', ' || m.FirstName || ifnull(' ' || nullif(m.MiddleName, ''), '') AS PatientName,
       r.HospNum, r.IdNum AS IDNUM, r.Diagnosis, r.Category AS category, r.Remarks AS REMARKS, r.ReferredBy,
       r.ApprovedBy, r.ScheduleDate, r.Status, r.Tick1, r.Tick2, r.Tick3 AS tick3, r.Tick4 AS tick4,
       r.Tick5 AS tick5, r.Others, a.DcrDate AS DischargeDate, r.ReferralNo
  FROM PWO.tbPWOReferral r
  LEFT JOIN PATIENT_DATA.tbMaster m ON m.HospNum = r.HospNum
  LEFT JOIN PATIENT_DATA.tbPatient2 a ON a.IdNum = r.IdNum
 WHERE r.IdNum = @IDNUM AND r.ReferralNo = @ReferralNo;
