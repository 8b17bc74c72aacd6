-- The code trees the assessment's services and activities are drawn from.
-- A node's children carry its code as ParentCode; the top level has "0".
-- Codes are at most ten characters: the client reads them back from the
-- last ten characters of a list entry.
CREATE TABLE PWO.tbPWOServiceCategory (
    Code         VARCHAR(10)   COLLATE HOSPITAL NOT NULL PRIMARY KEY,
    Description  VARCHAR(100)  COLLATE HOSPITAL NOT NULL,
    ParentCode   VARCHAR(10)   COLLATE HOSPITAL NOT NULL
);
CREATE INDEX PWO.ixServiceCategoryParent ON tbPWOServiceCategory (ParentCode);

CREATE TABLE PWO.tbPWOActivity (
    Code         VARCHAR(10)   COLLATE HOSPITAL NOT NULL PRIMARY KEY,
    Description  VARCHAR(100)  COLLATE HOSPITAL NOT NULL,
    ParentCode   VARCHAR(10)   COLLATE HOSPITAL NOT NULL
);
CREATE INDEX PWO.ixActivityParent ON tbPWOActivity (ParentCode);
