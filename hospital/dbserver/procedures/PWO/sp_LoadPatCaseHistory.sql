-- parameters: @HospNum varchar(8), @IDNUM varchar(11)
-- The documentation, case status and activities recorded for a stay; no row
-- before the stay's first assessment.
SELECT ifnull(a.docs, '') AS docs, ifnull(a.casestatus, '') AS casestatus, ifnull(c.CaseStatus, '') AS casedesc,
       ifnull(a.activityid, '') AS activityid, ifnull(a.Active, '') AS Active
  FROM PWO.tbPWOAssessment a
  LEFT JOIN PWO.tbPWOActive c ON c.Code = a.casestatus
 WHERE a.HospNum = @HospNum AND a.IDNUM = @IDNUM;
