-- Every classification a patient was given, newest last: the assessment adds
-- a row at each save.
CREATE TABLE PWO.tbPWOPatClassHistory (
    IDNUM      VARCHAR(11)  COLLATE HOSPITAL NOT NULL,
    HospNum    VARCHAR(8)   COLLATE HOSPITAL NOT NULL,
    Transdate  DATETIME     NOT NULL,
    Class      VARCHAR(2)   COLLATE HOSPITAL,
    Validity   DATETIME,
    Expiry     DATETIME,
    UserID     VARCHAR(10)  COLLATE HOSPITAL
);
CREATE INDEX PWO.ixPatClassHistoryStay ON tbPWOPatClassHistory (IDNUM, Transdate);

-- Stays turned from pay to service (or back) by the office, and by whom.
CREATE TABLE PWO.tbPWOPatientClassChange (
    IDNUM         VARCHAR(11)  COLLATE HOSPITAL NOT NULL,
    PatientClass  VARCHAR(1)   COLLATE HOSPITAL NOT NULL,
    UserID        VARCHAR(10)  COLLATE HOSPITAL,
    Transdate     DATETIME     NOT NULL
);
