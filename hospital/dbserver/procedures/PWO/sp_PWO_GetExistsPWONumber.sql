-- parameters: @PWONumber varchar(15), @HospNum varchar(8)
-- Who holds a case number: the patient master, an intake sheet or an
-- assessment. Another patient's hold is listed first, since the desks read
-- only the first row; none for an empty number.
SELECT DISTINCT h.HospNum,
       m.LastName || ', ' || m.FirstName || ifnull(' ' || nullif(m.MiddleName, ''), '') AS PatientName,
       CASE WHEN h.HospNum = @HospNum THEN 1 ELSE 0 END AS Own
  FROM (SELECT HospNum FROM PATIENT_DATA.tbMaster WHERE PWONum = @PWONumber
        UNION SELECT HospNum FROM PWO.tbPWOPatientData WHERE PWONumber = @PWONumber
        UNION SELECT HospNum FROM PWO.tbPWOAssessment WHERE PWONum = @PWONumber) h
  LEFT JOIN PATIENT_DATA.tbMaster m ON m.HospNum = h.HospNum
 WHERE trim(@PWONumber) <> ''
 ORDER BY Own, h.HospNum;
