-- parameters: @HospNum varchar(8)
-- The household's monthly expenses as stored, total included.
SELECT rent, Owned, Amortize, Electric, Kerosine, Candle, ArtesianWell, WaterDistrict, WaterPublic, WaterOwned,
       Food, Clothing, Gas, Firewood, Charcoal, MCS, TuitionFee, Allowance, TranspoAllowance, TranspoMed,
       MedicalExpenditure, HouseHelp, InsurancePremium, OTher, OtherAmount, TotalMonthlyExpenditure
  FROM PWO.tbPWOMonthlyExpenses
 WHERE HospNum = @HospNum;
