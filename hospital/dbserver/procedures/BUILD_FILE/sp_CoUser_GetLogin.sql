-- parameters: @EmployeeCode varchar(10)
-- One login with what the user component checks and shows; no row for an
-- unknown code. The employee columns are null when the login has no
-- employee record.
SELECT u.EmployeeCode, u.PasswordHash, u.Rights, u.Active, e.DeptCode, e.LastName, e.FirstName, e.MiddleName,
       e.LicenseNumber
  FROM BUILD_FILE.tbCoUser u
  LEFT JOIN BUILD_FILE.tbCoEmployee e ON e.EmployeeCode = u.EmployeeCode
 WHERE u.EmployeeCode = @EmployeeCode;
