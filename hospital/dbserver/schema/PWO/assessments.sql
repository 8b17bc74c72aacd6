-- The office's assessment and referral record, one row per stay, with the
-- code tables it points into. Services and activities are code strings, each
-- code followed by "|" ("S01|S04|"); docs holds the eighteen documentation
-- flags the same way ("1|0|1|..."), in the order of tbPWODocumentation.
-- casestatus: N new case, O old case followed up, C closed.
CREATE TABLE PWO.tbPWOAssessment (
    IDNUM                VARCHAR(11)   COLLATE HOSPITAL NOT NULL PRIMARY KEY,
    HospNum              VARCHAR(8)    COLLATE HOSPITAL NOT NULL,
    PWONum               VARCHAR(15)   COLLATE HOSPITAL,
    Code                 VARCHAR(2)    COLLATE HOSPITAL,
    PWODiscountValidity  DATETIME,
    PWODiscountExpiry    DATETIME,
    CaseCategory         VARCHAR(5)    COLLATE HOSPITAL,
    parentcategory       VARCHAR(5)    COLLATE HOSPITAL,
    ReferringPartyID     VARCHAR(1)    COLLATE HOSPITAL,
    PWOW                 VARCHAR(10)   COLLATE HOSPITAL,
    EncodedBy            VARCHAR(10)   COLLATE HOSPITAL,
    casestatus           VARCHAR(2)    COLLATE HOSPITAL,
    Active               VARCHAR(1)    COLLATE HOSPITAL,
    REMARKS              VARCHAR(500)  COLLATE HOSPITAL,
    NC                   DECIMAL(12,2),
    IsPCSO               VARCHAR(1)    COLLATE HOSPITAL,
    IsCDF                VARCHAR(1)    COLLATE HOSPITAL,
    IsSpecial            VARCHAR(1)    COLLATE HOSPITAL,
    pcsotype             VARCHAR(1)    COLLATE HOSPITAL,
    serviceid            VARCHAR(200)  COLLATE HOSPITAL,
    activityid           VARCHAR(200)  COLLATE HOSPITAL,
    docs                 VARCHAR(60)   COLLATE HOSPITAL,
    DateAssessed         DATETIME      NOT NULL
);
CREATE INDEX PWO.ixAssessmentHospNum ON tbPWOAssessment (HospNum);
CREATE INDEX PWO.ixAssessmentIntake ON tbPWOAssessment (PWODiscountValidity);
CREATE INDEX PWO.ixAssessmentWorker ON tbPWOAssessment (PWOW, PWODiscountValidity);

-- Who sent the patient to the office; the code is one character.
CREATE TABLE PWO.tbPWOReferringParty (
    Code            VARCHAR(1)   COLLATE HOSPITAL NOT NULL PRIMARY KEY,
    ReferringParty  VARCHAR(50)  COLLATE HOSPITAL NOT NULL
);

-- The services the office gives, by code.
CREATE TABLE PWO.tbPWOServices (
    Code     VARCHAR(10)   COLLATE HOSPITAL NOT NULL PRIMARY KEY,
    Service  VARCHAR(100)  COLLATE HOSPITAL NOT NULL
);

-- The documents a case may produce; Code is the flag's place in docs, from 0.
CREATE TABLE PWO.tbPWODocumentation (
    Code           INT           NOT NULL PRIMARY KEY,
    Documentation  VARCHAR(50)   COLLATE HOSPITAL NOT NULL
);
