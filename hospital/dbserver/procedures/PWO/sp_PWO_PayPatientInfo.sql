-- parameters: @IDNUM varchar(11)
-- The patient, room and attending doctor of a stay that has no assessment
-- yet; no row for an unknown stay.
SELECT m.LastName, m.FirstName, m.MiddleName, s.HospNum, s.IdNum AS IDNUM,
       CASE WHEN d.DoctorID IS NULL THEN '' ELSE 'DR. ' || d.FirstName || ' ' || d.LastName END AS DoctorName,
       ifnull(s.RoomID, '') AS RoomID
  FROM (SELECT IdNum, HospNum, RoomID, AttendingDoctor AS DoctorID FROM PATIENT_DATA.tbPatient2 WHERE IdNum = @IDNUM
        UNION ALL SELECT IdNum, HospNum, NULL, DoctorID FROM PATIENT_DATA.tbOutPatient WHERE IdNum = @IDNUM
        UNION ALL SELECT IdNum, HospNum, 'ER', DoctorID FROM PATIENT_DATA.tbERMaster WHERE IdNum = @IDNUM) s
  JOIN PATIENT_DATA.tbMaster m ON m.HospNum = s.HospNum
  LEFT JOIN BUILD_FILE.tbCoDoctor d ON d.DoctorID = s.DoctorID
 LIMIT 1;
