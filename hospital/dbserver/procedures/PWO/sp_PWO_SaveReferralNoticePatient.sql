-- parameters: @IDNUM varchar(11), @DateApproved datetime, @Status varchar(1), @Remarks varchar(500), @Category varchar(50), @ScheduleDate datetime, @EmployeeCode varchar(20), @ReferralNo varchar(15)
-- The office's answer to one referral, stamped with who answered and when.
UPDATE PWO.tbPWOReferral
   SET Status = @Status, Remarks = @Remarks, Category = @Category, ScheduleDate = @ScheduleDate,
       ApprovedBy = @EmployeeCode, DateApproved = @DateApproved
 WHERE IdNum = @IDNUM AND ReferralNo = @ReferralNo;
