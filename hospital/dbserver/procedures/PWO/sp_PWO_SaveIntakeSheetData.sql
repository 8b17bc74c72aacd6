-- parameters: @HospNum varchar(8), @DateInterviewed varchar(20), @Classification varchar(50), @Category varchar(50), @Salary varchar(50), @Education varchar(100), @Ward varchar(20), @LastName varchar(50), @FirstName varchar(50), @MiddleName varchar(50), @Sex varchar(10), @BirthDate varchar(20), @CivilStatus varchar(30), @Occupation varchar(50), @Age varchar(20), @TelNo varchar(20), @BirthPlace varchar(100), @Religion varchar(50), @Employer varchar(100), @IDNUM varchar(11), @AdmissionDate varchar(20), @InterviewDate varchar(20), @ExpiryDate varchar(20), @TemporaryAddress varchar(200), @PermanentAddress varchar(200), @PWONumber varchar(15), @SenCitizen varchar(1), @brgyOfficial varchar(1), @BHW varchar(1), @PWD varchar(1), @Indigenous varchar(1), @OtherSectorialMembership varchar(100)
-- The patient's intake sheet, written whole: a second save replaces the first.
INSERT OR REPLACE INTO PWO.tbPWOIntakeSheet
       (HospNum, DateInterviewed, Classification, Category, Salary, Education, Ward, LastName, FirstName,
        MiddleName, Sex, BirthDate, CivilStatus, Occupation, Age, TelNo, BirthPlace, Religion, Employer, IDNUM,
        AdmissionDate, InterviewDate, ExpiryDate, TemporaryAddress, PermanentAddress, PWONumber, SenCitizen,
        brgyOfficial, BHW, PWD, Indigenous, OtherSectorialMembership)
VALUES (@HospNum, @DateInterviewed, @Classification, @Category, @Salary, @Education, @Ward, @LastName, @FirstName,
        @MiddleName, @Sex, @BirthDate, @CivilStatus, @Occupation, @Age, @TelNo, @BirthPlace, @Religion, @Employer,
        @IDNUM, @AdmissionDate, @InterviewDate, @ExpiryDate, @TemporaryAddress, @PermanentAddress, @PWONumber,
        @SenCitizen, @brgyOfficial, @BHW, @PWD, @Indigenous, @OtherSectorialMembership);
