-- parameters: none
-- Every discharge notice with its patient and room; the open ones first,
-- the newest first within each.
SELECT m.LastName || ', ' || m.FirstName || ifnull(' ' || nullif(m.MiddleName, ''), '') AS PatientName,
       a.RoomID, n.IDNUM, n.DischargeNurse, n.NoticeDate, n.ClearDate
  FROM PWO.tbPWODischargeNotice n
  LEFT JOIN PATIENT_DATA.tbPatient2 a ON a.IdNum = n.IDNUM
  LEFT JOIN PATIENT_DATA.tbMaster m ON m.HospNum = n.HospNum
 ORDER BY n.ClearDate IS NOT NULL, n.NoticeDate DESC, n.IDNUM;
