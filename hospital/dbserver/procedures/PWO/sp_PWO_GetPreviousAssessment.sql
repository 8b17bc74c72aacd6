-- parameters: @HospNum varchar(8)
-- A patient's assessments, newest first, as the previous-assessments list
-- shows them; dates as mm/dd/yyyy.
SELECT a.IDNUM AS IDNUM,
       ifnull(a.Code, '') AS Code,
       ifnull(s.Classification, '') AS Classification,
       ifnull(c.category, ifnull(a.CaseCategory, '')) AS Category,
       strftime('%m/%d/%Y', a.DateAssessed) AS AssessDate,
       ifnull(a.REMARKS, '') AS Remarks,
       ifnull(strftime('%m/%d/%Y', a.PWODiscountExpiry), '') AS ExpiryDate
  FROM PWO.tbPWOAssessment a
  LEFT JOIN PWO.tbPWOClassificationScheme s ON s.Code = a.Code
  LEFT JOIN PWO.tbPWOCaseCategory c ON c.Code = a.CaseCategory
 WHERE a.HospNum = @HospNum
 ORDER BY a.DateAssessed DESC, a.IDNUM;
