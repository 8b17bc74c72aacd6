-- parameters: @IdNum varchar(10)
-- One in-patient admission with its referring doctor's name parts (null
-- when the stored doctor code is not in the doctor table); no row for an
-- unknown admission number.
SELECT a.IdNum, a.AdmDate, a.RoomID, a.AdmittingDiagnosis, a.ReferringDoctor,
       d.FirstName AS DoctorFirstName, d.LastName AS DoctorLastName
  FROM PATIENT_DATA.tbPatient2 a
  LEFT JOIN BUILD_FILE.tbCoDoctor d ON d.DoctorID = a.ReferringDoctor
 WHERE a.IdNum = @IdNum;
