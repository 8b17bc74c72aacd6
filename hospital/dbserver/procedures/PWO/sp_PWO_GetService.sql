-- parameters: @ParentCode varchar(10)
-- The children of a service node ("0" for the top level), in code order:
-- siblings differ only in their last number, so a shorter code comes first.
SELECT Code, Description
  FROM PWO.tbPWOServiceCategory
 WHERE ParentCode = @ParentCode
 ORDER BY length(Code), Code;
