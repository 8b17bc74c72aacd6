-- parameters: @IdNum varchar(20), @HospNum varchar(20) = ''
-- One in-patient admission with its patient's name; the second argument,
-- when not empty, must be the admission's hospital number.
SELECT a.IdNum, a.HospNum, m.LastName, m.FirstName, m.MiddleName, a.AdmDate, a.DcrDate, a.RoomID,
       a.AttendingDoctor, a.ReferringDoctor, a.AdmittingDiagnosis, a.PatientClass, a.AccountNum
  FROM PATIENT_DATA.tbPatient2 a
  LEFT JOIN PATIENT_DATA.tbMaster m ON m.HospNum = a.HospNum
 WHERE a.IdNum = @IdNum
   AND (ifnull(@HospNum, '') = '' OR a.HospNum = @HospNum);
