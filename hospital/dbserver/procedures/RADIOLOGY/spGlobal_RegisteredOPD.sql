-- parameters: @HospNum varchar(8), @Mode varchar(1), @IDNUM varchar(11)
-- A registered out-patient or ER visit by its number (mode 1), or the
-- visits of a hospital number otherwise.
SELECT v.IdNum AS IDNUM, v.HospNum, v.AdmDate
  FROM (SELECT IdNum, HospNum, AdmDate FROM PATIENT_DATA.tbOutPatient
        UNION ALL SELECT IdNum, HospNum, AdmDate FROM PATIENT_DATA.tbERMaster) v
 WHERE (@Mode = '1' AND v.IdNum = @IDNUM) OR (@Mode <> '1' AND v.HospNum = @HospNum)
 ORDER BY v.AdmDate DESC;
