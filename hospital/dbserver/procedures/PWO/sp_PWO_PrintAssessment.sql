-- parameters: @HospNum varchar(8), @IDNUM varchar(11)
-- The assessment of a stay as its printed form and the clearing window read
-- it: HospNum carries the office's case number, Code the classification,
-- CDF, PCSO and special are 1 or 0, NC is text with two decimals.
SELECT ifnull(a.PWONum, '') AS HospNum,
       ifnull(c.category, ifnull(a.CaseCategory, '')) AS category,
       ifnull(a.Code, '') AS Code,
       CASE WHEN a.IsCDF = '1' THEN 1 ELSE 0 END AS CDF,
       CASE WHEN a.IsPCSO = '1' THEN 1 ELSE 0 END AS PCSO,
       CASE WHEN a.IsSpecial = '1' THEN 1 ELSE 0 END AS special,
       printf('%.2f', ifnull(a.NC, 0)) AS NC
  FROM PWO.tbPWOAssessment a
  LEFT JOIN PWO.tbPWOCaseCategory c ON c.Code = a.CaseCategory
 WHERE a.HospNum = @HospNum AND a.IDNUM = @IDNUM;
