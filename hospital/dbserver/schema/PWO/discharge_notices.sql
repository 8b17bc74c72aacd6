-- The wards' notices that a patient is about to go home: one a stay, open
-- while ClearDate is null, cleared when a social worker stamps it (UserId,
-- ClearDate, ClearRemarks).
CREATE TABLE PWO.tbPWODischargeNotice (
    IDNUM           VARCHAR(10)  COLLATE HOSPITAL NOT NULL PRIMARY KEY,
    HospNum         VARCHAR(8)   COLLATE HOSPITAL NOT NULL,
    DischargeNurse  VARCHAR(100) COLLATE HOSPITAL,
    OrderedDate     DATETIME,
    NoticeDate      DATETIME     NOT NULL,
    REMARKS         VARCHAR(200) COLLATE HOSPITAL,
    UserId          VARCHAR(10)  COLLATE HOSPITAL,
    ClearDate       DATETIME,
    ClearRemarks    VARCHAR(30)  COLLATE HOSPITAL
);
CREATE INDEX PWO.ixDischargeNoticeDate ON tbPWODischargeNotice (NoticeDate);
