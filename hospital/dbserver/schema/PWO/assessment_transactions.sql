-- One row per save of an assessment: what was decided, when and by whom.
-- The assessment row holds only the latest decision; this keeps them all.
CREATE TABLE PWO.tbPWOAssessmentTransaction (
    HospNum      VARCHAR(8)    COLLATE HOSPITAL NOT NULL,
    IDNUM        VARCHAR(11)   COLLATE HOSPITAL NOT NULL,
    PWONum       VARCHAR(15)   COLLATE HOSPITAL,
    Code         VARCHAR(2)    COLLATE HOSPITAL,
    Validity     DATETIME,
    Expiry       DATETIME,
    category     VARCHAR(50)   COLLATE HOSPITAL,
    PWOW         VARCHAR(10)   COLLATE HOSPITAL,
    UserID       VARCHAR(10)   COLLATE HOSPITAL,
    REMARKS      VARCHAR(500)  COLLATE HOSPITAL,
    TransDate    DATETIME      NOT NULL
);
CREATE INDEX PWO.ixAssessmentTransactionHospNum ON tbPWOAssessmentTransaction (HospNum, TransDate);
