-- parameters: @HospNum varchar(8), @IDNUM varchar(11), @PWONum varchar(15), @Code varchar(2), @CategoryName varchar(50), @CategoryID varchar(5), @Remarks varchar(500), @Validity datetime, @Expiry datetime, @PWOW varchar(10), @EncodedBy varchar(10), @IsPCSO varchar(1), @IsCDF varchar(1), @IsSpecial varchar(1), @NC money, @pcsotype varchar(1), @parentcategory varchar(5), @CaseCategory varchar(5), @ReferringPartyID varchar(1), @Active varchar(1), @casestatus varchar(2), @serviceid varchar(200)
-- The assessment of a stay, written over any earlier one of the same stay;
-- the classification, case number and validity go into the patient master
-- as well, and the classification into the patient's class history. The
-- documentation and activities are the business of spPWO_SaveDocumentation.
INSERT INTO PWO.tbPWOAssessment (IDNUM, HospNum, PWONum, Code, PWODiscountValidity, PWODiscountExpiry, CaseCategory,
                                 parentcategory, ReferringPartyID, PWOW, EncodedBy, casestatus, Active, REMARKS, NC,
                                 IsPCSO, IsCDF, IsSpecial, pcsotype, serviceid, DateAssessed)
VALUES (@IDNUM, @HospNum, @PWONum, @Code, @Validity, @Expiry, nullif(@CaseCategory, ''), nullif(@parentcategory, ''),
        nullif(@ReferringPartyID, ''), nullif(@PWOW, ''), @EncodedBy, nullif(@casestatus, ''), @Active, @Remarks, @NC,
        @IsPCSO, @IsCDF, @IsSpecial, @pcsotype, @serviceid, datetime('now', 'localtime'))
ON CONFLICT (IDNUM) DO UPDATE SET
    HospNum = excluded.HospNum, PWONum = excluded.PWONum, Code = excluded.Code,
    PWODiscountValidity = excluded.PWODiscountValidity, PWODiscountExpiry = excluded.PWODiscountExpiry,
    CaseCategory = excluded.CaseCategory, parentcategory = excluded.parentcategory,
    ReferringPartyID = excluded.ReferringPartyID, PWOW = excluded.PWOW, EncodedBy = excluded.EncodedBy,
    casestatus = excluded.casestatus, Active = excluded.Active, REMARKS = excluded.REMARKS, NC = excluded.NC,
    IsPCSO = excluded.IsPCSO, IsCDF = excluded.IsCDF, IsSpecial = excluded.IsSpecial, pcsotype = excluded.pcsotype,
    serviceid = excluded.serviceid, DateAssessed = excluded.DateAssessed;

UPDATE PATIENT_DATA.tbMaster
   SET PWONum = @PWONum, PWOClassification = @Code,
       PWODiscountValidity = strftime('%m/%d/%Y', @Validity), PWODiscountExpiry = @Expiry
 WHERE HospNum = @HospNum;

INSERT INTO PWO.tbPWOPatClassHistory (IDNUM, HospNum, Transdate, Class, Validity, Expiry, UserID)
VALUES (@IDNUM, @HospNum, datetime('now', 'localtime'), @Code, @Validity, @Expiry, @EncodedBy);
