-- The kinds of case the office takes on, offered by the assessment and the
-- category report.
CREATE TABLE PWO.tbPWOCaseCategory (
    Code      VARCHAR(5)  COLLATE HOSPITAL NOT NULL PRIMARY KEY,
    category  VARCHAR(50) COLLATE HOSPITAL NOT NULL
);
