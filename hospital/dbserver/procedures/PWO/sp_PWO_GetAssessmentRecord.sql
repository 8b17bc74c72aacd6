-- parameters: @IDNUM varchar(11)
-- The assessment of a stay with its patient, room and doctor. A stay not yet
-- assessed comes back with the case number and classification the patient
-- already holds, so that the office can assess it; no row for an unknown
-- stay. A classification whose expiry date has passed comes back empty.
WITH stay AS (
    SELECT IdNum, HospNum, RoomID, AttendingDoctor AS DoctorID FROM PATIENT_DATA.tbPatient2 WHERE IdNum = @IDNUM
    UNION ALL SELECT IdNum, HospNum, NULL, DoctorID FROM PATIENT_DATA.tbOutPatient WHERE IdNum = @IDNUM
    UNION ALL SELECT IdNum, HospNum, 'ER', DoctorID FROM PATIENT_DATA.tbERMaster WHERE IdNum = @IDNUM
),
record AS (
    SELECT m.LastName, m.FirstName, m.MiddleName, s.HospNum, s.IdNum AS IDNUM,
           ifnull(a.PWONum, m.PWONum) AS PWONum,
           CASE WHEN d.DoctorID IS NULL THEN '' ELSE 'DR. ' || d.FirstName || ' ' || d.LastName END AS DoctorName,
           s.RoomID,
           CASE WHEN a.IDNUM IS NOT NULL THEN a.PWODiscountValidity
                WHEN m.PWODiscountValidity LIKE '__/__/____'
                THEN substr(m.PWODiscountValidity, 7, 4) || '-' || substr(m.PWODiscountValidity, 1, 2) || '-'
                     || substr(m.PWODiscountValidity, 4, 2) || ' 00:00:00' END AS PWODiscountValidity,
           CASE WHEN a.IDNUM IS NOT NULL THEN a.PWODiscountExpiry ELSE m.PWODiscountExpiry END AS PWODiscountExpiry,
           CASE WHEN a.IDNUM IS NOT NULL THEN a.Code ELSE m.PWOClassification END AS Code,
           a.PWOW,
           e.FirstName || ifnull(' ' || substr(nullif(e.MiddleName, ''), 1, 1) || '.', '') || ' ' || e.LastName AS PWOWName,
           CASE WHEN a.NC IS NULL THEN NULL ELSE printf('%.2f', a.NC) END AS NC,
           a.REMARKS, a.IsCDF, a.IsPCSO, a.IsSpecial, a.pcsotype, a.CaseCategory, a.parentcategory,
           a.ReferringPartyID, a.serviceid
      FROM stay s
      JOIN PATIENT_DATA.tbMaster m ON m.HospNum = s.HospNum
      LEFT JOIN PWO.tbPWOAssessment a ON a.IDNUM = s.IdNum
      LEFT JOIN BUILD_FILE.tbCoDoctor d ON d.DoctorID = s.DoctorID
      LEFT JOIN BUILD_FILE.tbCoEmployee e ON e.EmployeeCode = a.PWOW
)
SELECT LastName, FirstName, MiddleName, HospNum, IDNUM, PWONum, DoctorName, RoomID, PWODiscountValidity,
       PWODiscountExpiry,
       CASE WHEN date(PWODiscountExpiry) < date('now', 'localtime') THEN '' ELSE Code END AS Code,
       PWOW, PWOWName, NC, REMARKS, IsCDF, IsPCSO, IsSpecial, pcsotype, CaseCategory, parentcategory,
       ReferringPartyID, serviceid
  FROM record
 LIMIT 1;
