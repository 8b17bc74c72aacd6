-- The stays of the patient list, one row a stay with its patient's names and
-- address and the stay's class. Each comes twice: "by stay" walks the stay
-- table first (searches by admission or hospital number), "by patient" walks
-- the patient master first (searches by name); CROSS JOIN keeps that order.

-- Current admissions only: a discharged patient is no longer in the ward.
CREATE VIEW PATIENT_DATA.vwListAdmissionByStay AS
SELECT a.IdNum AS IDNUM, a.HospNum AS HospNum, a.AdmDate AS AdmDate, m.LastName AS LastName,
       m.FirstName AS FirstName, m.MiddleName AS MiddleName, a.RoomID AS RoomID, m.PWONum AS PWO,
       m.HouseStreet, m.Barangay, m.Municipality, m.Province, a.DcrDate AS dcrdate, NULL AS ERNum,
       a.PatientClass AS Class
  FROM tbPatient2 a
  JOIN tbMaster m ON m.HospNum = a.HospNum
 WHERE a.DcrDate IS NULL;

CREATE VIEW PATIENT_DATA.vwListAdmissionByPatient AS
SELECT a.IdNum AS IDNUM, a.HospNum AS HospNum, a.AdmDate AS AdmDate, m.LastName AS LastName,
       m.FirstName AS FirstName, m.MiddleName AS MiddleName, a.RoomID AS RoomID, m.PWONum AS PWO,
       m.HouseStreet, m.Barangay, m.Municipality, m.Province, a.DcrDate AS dcrdate, NULL AS ERNum,
       a.PatientClass AS Class
  FROM tbMaster m
 CROSS JOIN tbPatient2 a ON a.HospNum = m.HospNum
 WHERE a.DcrDate IS NULL;

CREATE VIEW PATIENT_DATA.vwListVisitByStay AS
SELECT o.IdNum AS IDNUM, o.HospNum AS HospNum, o.AdmDate AS AdmDate, m.LastName AS LastName,
       m.FirstName AS FirstName, m.MiddleName AS MiddleName, NULL AS RoomID, m.PWONum AS PWO,
       m.HouseStreet, m.Barangay, m.Municipality, m.Province, NULL AS dcrdate, NULL AS ERNum,
       o.PatientType AS Class
  FROM tbOutPatient o
  JOIN tbMaster m ON m.HospNum = o.HospNum;

CREATE VIEW PATIENT_DATA.vwListVisitByPatient AS
SELECT o.IdNum AS IDNUM, o.HospNum AS HospNum, o.AdmDate AS AdmDate, m.LastName AS LastName,
       m.FirstName AS FirstName, m.MiddleName AS MiddleName, NULL AS RoomID, m.PWONum AS PWO,
       m.HouseStreet, m.Barangay, m.Municipality, m.Province, NULL AS dcrdate, NULL AS ERNum,
       o.PatientType AS Class
  FROM tbMaster m
 CROSS JOIN tbOutPatient o ON o.HospNum = m.HospNum;

CREATE VIEW PATIENT_DATA.vwListERVisitByStay AS
SELECT e.IdNum AS IDNUM, e.HospNum AS HospNum, e.AdmDate AS AdmDate, m.LastName AS LastName,
       m.FirstName AS FirstName, m.MiddleName AS MiddleName, NULL AS RoomID, m.PWONum AS PWO,
       m.HouseStreet, m.Barangay, m.Municipality, m.Province, e.DischargeDate AS dcrdate, e.IdNum AS ERNum,
       e.PatientClassification AS Class
  FROM tbERMaster e
  JOIN tbMaster m ON m.HospNum = e.HospNum;

CREATE VIEW PATIENT_DATA.vwListERVisitByPatient AS
SELECT e.IdNum AS IDNUM, e.HospNum AS HospNum, e.AdmDate AS AdmDate, m.LastName AS LastName,
       m.FirstName AS FirstName, m.MiddleName AS MiddleName, NULL AS RoomID, m.PWONum AS PWO,
       m.HouseStreet, m.Barangay, m.Municipality, m.Province, e.DischargeDate AS dcrdate, e.IdNum AS ERNum,
       e.PatientClassification AS Class
  FROM tbMaster m
 CROSS JOIN tbERMaster e ON e.HospNum = m.HospNum;
