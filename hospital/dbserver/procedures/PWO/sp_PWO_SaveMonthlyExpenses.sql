-- parameters: @HospNum varchar(8), @rent varchar(20), @Owned varchar(20), @Amortize varchar(20), @Electric varchar(20), @Kerosine varchar(20), @Candle varchar(20), @ArtesianWell varchar(20), @WaterDistrict varchar(20), @WaterPublic varchar(20), @WaterOwned varchar(20), @Food varchar(20), @Clothing varchar(20), @Gas varchar(20), @Firewood varchar(20), @Charcoal varchar(20), @MCS varchar(20), @TuitionFee varchar(20), @Allowance varchar(20), @TranspoAllowance varchar(20), @TranspoMed varchar(20), @MedicalExpenditure varchar(20), @HouseHelp varchar(20), @InsurancePremium varchar(20), @OTher varchar(100), @OtherAmount varchar(20), @TotalMonthlyExpenditure varchar(20)
-- The household's monthly expenses as the desk typed them, with their total.
INSERT OR REPLACE INTO PWO.tbPWOMonthlyExpenses
       (HospNum, rent, Owned, Amortize, Electric, Kerosine, Candle, ArtesianWell, WaterDistrict, WaterPublic,
        WaterOwned, Food, Clothing, Gas, Firewood, Charcoal, MCS, TuitionFee, Allowance, TranspoAllowance,
        TranspoMed, MedicalExpenditure, HouseHelp, InsurancePremium, OTher, OtherAmount, TotalMonthlyExpenditure)
VALUES (@HospNum, @rent, @Owned, @Amortize, @Electric, @Kerosine, @Candle, @ArtesianWell, @WaterDistrict,
        @WaterPublic, @WaterOwned, @Food, @Clothing, @Gas, @Firewood, @Charcoal, @MCS, @TuitionFee, @Allowance,
        @TranspoAllowance, @TranspoMed, @MedicalExpenditure, @HouseHelp, @InsurancePremium, @OTher, @OtherAmount,
        @TotalMonthlyExpenditure);
