-- parameters: @HospNum varchar(8), @FamilyMember varchar(100), @Relationship varchar(30), @Age varchar(10), @CivilStatus varchar(20), @Education varchar(50), @Address varchar(200), @Occupation varchar(50), @Income money, @TotalIncome money
-- Adds one member to a patient's household, after the ones already stored.
INSERT INTO PWO.tbPWOFamilyComposition (Number, HospNum, FamilyMember, Relationship, Age, CivilStatus, Education,
                                        Address, Occupation, Income, TotalIncome)
SELECT ifnull(max(Number), 0) + 1, @HospNum, @FamilyMember, @Relationship, @Age, @CivilStatus, @Education, @Address,
       @Occupation, @Income, @TotalIncome
  FROM PWO.tbPWOFamilyComposition;
