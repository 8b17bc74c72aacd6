-- The states a case can be in, offered by the assessment window; the code is
-- what the assessment stores as casestatus.
CREATE TABLE PWO.tbPWOActive (
    Code        VARCHAR(2)   COLLATE HOSPITAL NOT NULL PRIMARY KEY,
    CaseStatus  VARCHAR(50)  COLLATE HOSPITAL NOT NULL
);
