-- parameters: @HospNum varchar(8)
-- Removes a patient's household before the intake sheet stores it again.
DELETE FROM PWO.tbPWOFamilyComposition WHERE HospNum = @HospNum;
