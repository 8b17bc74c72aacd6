-- parameters: @IDNUM varchar(11), @PatientClass varchar(1), @EmployeeCode varchar(10)
-- Records that the office changed the pay or service class of a stay; the
-- caller has already written the class into the admission tables.
INSERT INTO PWO.tbPWOPatientClassChange (IDNUM, PatientClass, UserID, Transdate)
VALUES (@IDNUM, @PatientClass, @EmployeeCode, datetime('now', 'localtime'));
