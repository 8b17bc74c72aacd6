-- parameters: @HospNum varchar(8), @IDNUM varchar(11), @Active varchar(1), @casestatus varchar(2), @docs varchar(60), @Validity datetime, @EncodedBy varchar(10), @PWOW varchar(10), @activityid varchar(200)
-- The documentation flags, case status and activities of a stay's
-- assessment, saved after the assessment itself.
UPDATE PWO.tbPWOAssessment
   SET Active = @Active, casestatus = nullif(@casestatus, ''), docs = @docs, activityid = @activityid
 WHERE HospNum = @HospNum AND IDNUM = @IDNUM;
