-- The groups the case categories fall under; STATUS 'A' rows are offered.
CREATE TABLE PWO.tbPWOParentCategory (
    parentcategoryid  VARCHAR(2)   COLLATE HOSPITAL NOT NULL PRIMARY KEY,
    parentcategory    VARCHAR(50)  COLLATE HOSPITAL NOT NULL,
    STATUS            VARCHAR(1)   COLLATE HOSPITAL NOT NULL DEFAULT 'A'
);
