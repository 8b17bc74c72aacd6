-- The department's own tables; more arrive with the windows that use them.

-- Referrals of patients to the office by the medical teams, and the office's
-- answer: P pending, A include to bill, D for justification, C cash basis.
CREATE TABLE PWO.tbPWOReferral (
    ReferralNo    VARCHAR(15)  COLLATE HOSPITAL NOT NULL PRIMARY KEY,
    IdNum         VARCHAR(11)  COLLATE HOSPITAL NOT NULL,
    HospNum       VARCHAR(8)   COLLATE HOSPITAL NOT NULL,
    ReferralDate  DATETIME,
    Diagnosis     VARCHAR(200) COLLATE HOSPITAL,
    Category      VARCHAR(50)  COLLATE HOSPITAL,
    ReferredBy    VARCHAR(100) COLLATE HOSPITAL,
    Tick1         VARCHAR(1)   COLLATE HOSPITAL,
    Tick2         VARCHAR(1)   COLLATE HOSPITAL,
    Tick3         VARCHAR(1)   COLLATE HOSPITAL,
    Tick4         VARCHAR(1)   COLLATE HOSPITAL,
    Tick5         VARCHAR(1)   COLLATE HOSPITAL,
    Others        VARCHAR(200) COLLATE HOSPITAL,
    Status        VARCHAR(1)   COLLATE HOSPITAL NOT NULL DEFAULT 'P',
    Remarks       VARCHAR(500) COLLATE HOSPITAL,
    ApprovedBy    VARCHAR(20)  COLLATE HOSPITAL,
    ScheduleDate  DATETIME,
    DateApproved  DATETIME
);
CREATE INDEX PWO.ixReferralStatus ON tbPWOReferral (Status);
CREATE INDEX PWO.ixReferralHospNum ON tbPWOReferral (HospNum);
