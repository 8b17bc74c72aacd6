-- parameters: @EmployeeCode varchar(10)
-- The name of one employee as forms print it ("ANA MARIE C. REYES") and his
-- licence number (null when he holds none); no row for an unknown code.
SELECT FirstName || ifnull(' ' || substr(nullif(MiddleName, ''), 1, 1) || '.', '') || ' ' || LastName AS EmployeeName,
       LicenseNumber AS licensenumber
  FROM BUILD_FILE.tbCoEmployee
 WHERE EmployeeCode = @EmployeeCode;
