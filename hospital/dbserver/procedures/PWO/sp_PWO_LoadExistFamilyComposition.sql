-- parameters: @HospNum varchar(8)
-- The stored household of a patient in the order it was typed, in the
-- columns of the intake sheet's family grid; every row carries the family's
-- total income.
SELECT FamilyMember, Relationship, Age, CivilStatus, Education, Address, Occupation, Income, Number, TotalIncome
  FROM PWO.tbPWOFamilyComposition
 WHERE HospNum = @HospNum
 ORDER BY Number;
