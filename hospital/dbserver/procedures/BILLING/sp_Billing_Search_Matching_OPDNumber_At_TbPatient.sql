-- parameters: @IdNum varchar(20)
-- The out-patient visit an admission came from; no row when it has none.
SELECT IdNum, OPDIdNum AS OPDIdnum
  FROM PATIENT_DATA.tbPatient2
 WHERE IdNum = @IdNum
   AND ifnull(OPDIdNum, '') <> '';
