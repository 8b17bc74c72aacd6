-- parameters: @PWONum varchar(15), @HospNum varchar(8)
-- The patients who hold a case number, another patient's first, so that a
-- caller reading only the first row sees a clash; none for an empty number.
SELECT HospNum, LastName || ', ' || FirstName || ifnull(' ' || MiddleName, '') AS PatientName
  FROM PATIENT_DATA.tbMaster
 WHERE PWONum = @PWONum AND @PWONum <> ''
 ORDER BY CASE WHEN HospNum = @HospNum THEN 1 ELSE 0 END, HospNum;
