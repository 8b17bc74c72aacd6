-- parameters: @HospNum varchar(8)
-- One patient of the registry with the names of the religion and civil
-- status codes (null when the code is empty or unknown); no row for an
-- unknown hospital number.
SELECT m.HospNum, m.LastName, m.FirstName, m.MiddleName, m.Sex, m.BirthDate, m.BirthPlace, m.Occupation,
       m.TelNumber, m.Employer, r.Description AS ReligionName, c.Description AS CivilStatusName
  FROM PATIENT_DATA.tbMaster m
  LEFT JOIN BUILD_FILE.tbCoReligion r ON r.Code = m.Religion
  LEFT JOIN BUILD_FILE.tbCoCivilStatus c ON c.Code = m.CivilStatus
 WHERE m.HospNum = @HospNum;
