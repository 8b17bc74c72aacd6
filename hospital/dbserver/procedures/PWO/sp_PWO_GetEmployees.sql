-- parameters: @SearchText varchar(50)
-- The office's employees whose code starts with the text or whose name
-- ("LAST, FIRST MIDDLE") contains it, case-insensitively; empty text lists
-- them all. The text is matched literally: % and _ are not wildcards.
WITH search AS (
    SELECT replace(replace(replace(@SearchText, '\', '\\'), '%', '\%'), '_', '\_') AS Literal
), staff AS (
    SELECT EmployeeCode, LastName, FirstName,
           LastName || ', ' || FirstName || ifnull(' ' || nullif(MiddleName, ''), '') AS FullName
      FROM BUILD_FILE.tbCoEmployee
     WHERE DeptCode = 'PWO'
)
SELECT staff.EmployeeCode AS EmployeeID, staff.FullName AS EmployeeName
  FROM staff, search
 WHERE staff.EmployeeCode LIKE search.Literal || '%' ESCAPE '\'
    OR staff.FullName LIKE '%' || search.Literal || '%' ESCAPE '\'
 ORDER BY staff.LastName, staff.FirstName, staff.EmployeeCode;
