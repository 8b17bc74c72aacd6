-- The household members of a patient's intake sheet, each row carrying the
-- family's total income as it stood when the sheet was saved. Number keeps
-- the order the worker typed the members in.
CREATE TABLE PWO.tbPWOFamilyComposition (
    Number            INT           NOT NULL PRIMARY KEY,
    HospNum           VARCHAR(8)    COLLATE HOSPITAL NOT NULL,
    FamilyMember      VARCHAR(100)  COLLATE HOSPITAL NOT NULL,
    Relationship      VARCHAR(30)   COLLATE HOSPITAL,
    Age               VARCHAR(10)   COLLATE HOSPITAL,
    CivilStatus       VARCHAR(20)   COLLATE HOSPITAL,
    Education         VARCHAR(50)   COLLATE HOSPITAL,
    Address           VARCHAR(200)  COLLATE HOSPITAL,
    Occupation        VARCHAR(50)   COLLATE HOSPITAL,
    Income            DECIMAL(12,2),
    TotalIncome       DECIMAL(12,2)
);
CREATE INDEX PWO.ixFamilyCompositionHospNum ON tbPWOFamilyComposition (HospNum);

-- The social roles rated on the intake sheet; the sheet's row is the Code,
-- the rating rows refer to the ID.
CREATE TABLE PWO.tbPWORoles (
    ID         INT          NOT NULL PRIMARY KEY,
    Code       INT          NOT NULL UNIQUE,
    Role       VARCHAR(50)  COLLATE HOSPITAL NOT NULL,
    RoleGroup  VARCHAR(50)  COLLATE HOSPITAL NOT NULL
);

-- The problems in the patient's environment rated on the intake sheet.
CREATE TABLE PWO.tbPWOProblems (
    ID            INT           NOT NULL PRIMARY KEY,
    Code          INT           NOT NULL UNIQUE,
    Problem       VARCHAR(120)  COLLATE HOSPITAL NOT NULL,
    ProblemGroup  VARCHAR(50)   COLLATE HOSPITAL NOT NULL
);

-- One row a role for each patient whose sheet was saved; Description is the
-- role's ID, the ratings are the ids of the BUILD_FILE scales or empty text
-- when not rated.
CREATE TABLE PWO.tbPWOSocialFunctioning (
    HospNum        VARCHAR(8)  COLLATE HOSPITAL NOT NULL,
    Description    INT         NOT NULL,
    Interaction    VARCHAR(3)  COLLATE HOSPITAL,
    SeverityIndex  VARCHAR(3)  COLLATE HOSPITAL,
    DurationIndex  VARCHAR(3)  COLLATE HOSPITAL,
    CopingIndex    VARCHAR(3)  COLLATE HOSPITAL,
    PRIMARY KEY (HospNum, Description)
);

-- One row a problem for each patient whose sheet was saved, as above.
CREATE TABLE PWO.tbPWOEnvironmentProblems (
    HospNum        VARCHAR(8)  COLLATE HOSPITAL NOT NULL,
    Description    INT         NOT NULL,
    SeverityIndex  VARCHAR(3)  COLLATE HOSPITAL,
    DurationIndex  VARCHAR(3)  COLLATE HOSPITAL,
    PRIMARY KEY (HospNum, Description)
);
