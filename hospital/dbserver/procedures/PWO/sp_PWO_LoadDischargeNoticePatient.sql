-- parameters: @IDNUM varchar(10)
-- One discharge notice with its patient, admission and attending doctor;
-- no row for an admission without a notice. UserId, once cleared, names the
-- worker as "(code) name".
SELECT m.LastName, m.FirstName, m.MiddleName, n.HospNum, n.IDNUM, a.AdmDate,
       CASE WHEN d.DoctorID IS NULL THEN NULL
            ELSE 'DR. ' || d.FirstName || ' ' || d.LastName END AS Doctor,
       a.RoomID, n.NoticeDate, n.OrderedDate, n.DischargeNurse, n.REMARKS,
       CASE WHEN n.UserId IS NULL THEN NULL
            ELSE '(' || n.UserId || ') ' || ifnull(e.FirstName || ' ' || e.LastName, '') END AS UserId,
       n.ClearDate, n.ClearRemarks
  FROM PWO.tbPWODischargeNotice n
  LEFT JOIN PATIENT_DATA.tbPatient2 a ON a.IdNum = n.IDNUM
  LEFT JOIN PATIENT_DATA.tbMaster m ON m.HospNum = n.HospNum
  LEFT JOIN BUILD_FILE.tbCoDoctor d ON d.DoctorID = a.AttendingDoctor
  LEFT JOIN BUILD_FILE.tbCoEmployee e ON e.EmployeeCode = n.UserId
 WHERE n.IDNUM = @IDNUM;
