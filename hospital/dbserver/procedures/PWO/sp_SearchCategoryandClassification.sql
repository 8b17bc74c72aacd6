-- parameters: @IDNUM varchar(11)
-- The class, case category and case number the office gave a stay.
SELECT ifnull(c.Classification, '') AS Classification, a.Code AS classificationid,
       ifnull(k.category, '') AS category, a.CaseCategory AS categoryid, ifnull(a.PWONum, '') AS PWO
  FROM PWO.tbPWOAssessment a
  LEFT JOIN PWO.tbPWOClassificationScheme c ON c.Code = a.Code
  LEFT JOIN PWO.tbPWOCaseCategory k ON k.Code = a.CaseCategory
 WHERE a.IDNUM = @IDNUM;
