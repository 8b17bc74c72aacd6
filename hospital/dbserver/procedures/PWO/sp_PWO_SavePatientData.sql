-- parameters: @HospNum varchar(8), @IDNUM varchar(11), @PWONumber varchar(15), @classCode varchar(2), @categoryDescription varchar(50), @CategoryNum varchar(5), @InterviewDate varchar(10), @ExpiryDate varchar(10), @PWOW varchar(100), @EncodedBy varchar(10), @refpartyid varchar(5)
-- The case data of the intake sheet. Dates arrive as mm/dd/yyyy; an empty
-- one is stored as no date rather than the server's 1/1/1900.
INSERT OR REPLACE INTO PWO.tbPWOPatientData
       (HospNum, IDNUM, PWONumber, classCode, categoryDescription, CategoryNum, InterviewDate, ExpiryDate, PWOW,
        EncodedBy, refpartyid, DateEncoded)
VALUES (@HospNum, @IDNUM, @PWONumber, @classCode, @categoryDescription, @CategoryNum,
        CASE WHEN trim(@InterviewDate) = '' THEN NULL
             ELSE substr(@InterviewDate, 7, 4) || '-' || substr(@InterviewDate, 1, 2) || '-' || substr(@InterviewDate, 4, 2) || ' 00:00:00' END,
        CASE WHEN trim(@ExpiryDate) = '' THEN NULL
             ELSE substr(@ExpiryDate, 7, 4) || '-' || substr(@ExpiryDate, 1, 2) || '-' || substr(@ExpiryDate, 4, 2) || ' 00:00:00' END,
        @PWOW, @EncodedBy, @refpartyid, datetime('now', 'localtime'));
