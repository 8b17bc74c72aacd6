-- parameters: @IDNUM varchar(11)
-- The pay or service class of a stay: P pay, S service. An in-patient
-- admission answers first, then an out-patient or ER visit. No row for an
-- unknown stay; a null class comes back as null.
SELECT PatientClass FROM (
    SELECT 1 AS k, PatientClass FROM PATIENT_DATA.tbPatient2 WHERE IdNum = @IDNUM
    UNION ALL SELECT 2, PatientType FROM PATIENT_DATA.tbOutPatient WHERE IdNum = @IDNUM
    UNION ALL SELECT 3, PatientClassification FROM PATIENT_DATA.tbERMaster WHERE IdNum = @IDNUM)
 ORDER BY k;
