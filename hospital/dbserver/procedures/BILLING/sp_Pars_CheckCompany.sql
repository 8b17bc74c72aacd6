-- parameters: @IdNum varchar(20)
-- A row when the stay (admission or out-patient visit) is charged to a
-- company or sponsor; no row otherwise.
SELECT s.IdNum, s.AccountNum, c.Company
  FROM (SELECT IdNum, AccountNum FROM PATIENT_DATA.tbPatient2 WHERE IdNum = @IdNum
        UNION ALL
        SELECT IdNum, AccountNum FROM PATIENT_DATA.tbOutPatient WHERE IdNum = @IdNum) s
  LEFT JOIN BILLING.tbCompany c ON c.AccountNum = s.AccountNum
 WHERE ifnull(s.AccountNum, '') <> '';
