-- parameters: @IDNUM varchar(10), @EmployeeCode varchar(10), @Remarks varchar(30)
-- Stamps an open notice as cleared by the employee, now; a notice already
-- cleared keeps its first clearing. Longer remarks are cut to the column.
UPDATE PWO.tbPWODischargeNotice
   SET UserId = @EmployeeCode,
       ClearDate = datetime('now', 'localtime'),
       ClearRemarks = substr(@Remarks, 1, 30)
 WHERE IDNUM = @IDNUM AND ClearDate IS NULL;
