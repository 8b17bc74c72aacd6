-- parameters: @PWONumber varchar(15), @HospNum varchar(8)
-- Who holds a case number, on an intake sheet or an assessment; another
-- patient's hold is listed first, since the desk reads only the first row.
SELECT DISTINCT h.HospNum,
       m.LastName || ', ' || m.FirstName || ifnull(' ' || nullif(m.MiddleName, ''), '') AS PatientName,
       CASE WHEN h.HospNum = @HospNum THEN 1 ELSE 0 END AS Own
  FROM (SELECT HospNum FROM PWO.tbPWOPatientData WHERE PWONumber = @PWONumber
        UNION SELECT HospNum FROM PWO.tbPWOAssessment WHERE PWONum = @PWONumber) h
  LEFT JOIN PATIENT_DATA.tbMaster m ON m.HospNum = h.HospNum
 WHERE trim(@PWONumber) <> ''
 ORDER BY Own, h.HospNum;
