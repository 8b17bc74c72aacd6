-- parameters: @HospNum varchar(8), @IDNUM varchar(11), @PWONum varchar(15), @Code varchar(2), @Validity datetime, @Expiry datetime, @CategoryName varchar(50), @PWOW varchar(10), @UserID varchar(10), @Remarks varchar(500)
-- One save of an assessment, kept for the transaction report.
INSERT INTO PWO.tbPWOAssessmentTransaction (HospNum, IDNUM, PWONum, Code, Validity, Expiry, category, PWOW, UserID,
                                            REMARKS, TransDate)
VALUES (@HospNum, @IDNUM, @PWONum, @Code, @Validity, @Expiry, @CategoryName, @PWOW, @UserID, @Remarks,
        datetime('now', 'localtime'));
