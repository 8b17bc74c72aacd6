-- The kinds of case the office takes on, offered by the assessment and the
-- category report. categoryid is the id the assessment window shows and
-- stores, which is the code itself; STATUS 'A' rows are offered.
CREATE TABLE PWO.tbPWOCaseCategory (
    Code        VARCHAR(5)  COLLATE HOSPITAL NOT NULL PRIMARY KEY,
    category    VARCHAR(50) COLLATE HOSPITAL NOT NULL,
    categoryid  VARCHAR(5)  COLLATE HOSPITAL GENERATED ALWAYS AS (Code) VIRTUAL,
    STATUS      VARCHAR(1)  COLLATE HOSPITAL NOT NULL DEFAULT 'A'
);
