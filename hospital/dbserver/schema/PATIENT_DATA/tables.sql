-- Patients, their stays, and the hospital's own identity.
-- References into BUILD_FILE and BILLING are by code only: SQLite cannot
-- enforce a foreign key across attached databases.

CREATE TABLE PATIENT_DATA.tbHospitalInfo (
    Company        VARCHAR(100) COLLATE HOSPITAL NOT NULL,
    Address1       VARCHAR(200) COLLATE HOSPITAL,
    Title          VARCHAR(100) COLLATE HOSPITAL,
    TinNo          VARCHAR(20)  COLLATE HOSPITAL,
    MTSServerName  VARCHAR(50)  COLLATE HOSPITAL
);

CREATE TABLE PATIENT_DATA.tbMaster (
    HospNum              VARCHAR(8)   COLLATE HOSPITAL NOT NULL PRIMARY KEY,
    LastName             VARCHAR(50)  COLLATE HOSPITAL NOT NULL,
    FirstName            VARCHAR(50)  COLLATE HOSPITAL NOT NULL,
    MiddleName           VARCHAR(50)  COLLATE HOSPITAL,
    Sex                  VARCHAR(1)   COLLATE HOSPITAL NOT NULL CHECK (Sex IN ('M', 'F')),
    BirthDate            DATETIME,
    BirthPlace           VARCHAR(100) COLLATE HOSPITAL,
    CivilStatus          VARCHAR(2)   COLLATE HOSPITAL,
    Religion             VARCHAR(3)   COLLATE HOSPITAL,
    Occupation           VARCHAR(50)  COLLATE HOSPITAL,
    TelNumber            VARCHAR(20)  COLLATE HOSPITAL,
    Employer             VARCHAR(100) COLLATE HOSPITAL,
    HouseStreet          VARCHAR(100) COLLATE HOSPITAL,
    Barangay             VARCHAR(50)  COLLATE HOSPITAL,
    Municipality         VARCHAR(50)  COLLATE HOSPITAL,
    Province             VARCHAR(50)  COLLATE HOSPITAL,
    PWONum               VARCHAR(15)  COLLATE HOSPITAL,
    PWOClassification    VARCHAR(2)   COLLATE HOSPITAL,
    PWODiscountExpiry    DATETIME,
    PWODiscountValidity  VARCHAR(10)  COLLATE HOSPITAL
);
CREATE INDEX PATIENT_DATA.ixMasterName ON tbMaster (LastName, FirstName, MiddleName);
CREATE INDEX PATIENT_DATA.ixMasterFirstName ON tbMaster (FirstName);
CREATE INDEX PATIENT_DATA.ixMasterPWONum ON tbMaster (PWONum) WHERE PWONum IS NOT NULL;

-- In-patient admissions; DcrDate stays null until discharge.
CREATE TABLE PATIENT_DATA.tbPatient2 (
    IdNum               VARCHAR(10)  COLLATE HOSPITAL NOT NULL PRIMARY KEY,
    HospNum             VARCHAR(8)   COLLATE HOSPITAL NOT NULL,
    AdmDate             DATETIME     NOT NULL,
    DcrDate             DATETIME,
    RoomID              VARCHAR(10)  COLLATE HOSPITAL,
    AttendingDoctor     VARCHAR(10)  COLLATE HOSPITAL,
    ReferringDoctor     VARCHAR(10)  COLLATE HOSPITAL,
    AdmittingDiagnosis  VARCHAR(200) COLLATE HOSPITAL,
    PatientClass        VARCHAR(1)   COLLATE HOSPITAL,
    AccountNum          VARCHAR(10)  COLLATE HOSPITAL,
    OPDIdNum            VARCHAR(11)  COLLATE HOSPITAL
);
CREATE INDEX PATIENT_DATA.ixPatient2HospNum ON tbPatient2 (HospNum);
CREATE INDEX PATIENT_DATA.ixPatient2AdmDate ON tbPatient2 (AdmDate);
CREATE INDEX PATIENT_DATA.ixPatient2DcrDate ON tbPatient2 (DcrDate) WHERE DcrDate IS NOT NULL;
CREATE INDEX PATIENT_DATA.ixPatient2Current ON tbPatient2 (HospNum) WHERE DcrDate IS NULL;

CREATE TABLE PATIENT_DATA.tbOutPatient (
    IdNum        VARCHAR(11)  COLLATE HOSPITAL NOT NULL PRIMARY KEY,
    HospNum      VARCHAR(8)   COLLATE HOSPITAL NOT NULL,
    AdmDate      DATETIME     NOT NULL,
    PatientType  VARCHAR(1)   COLLATE HOSPITAL,
    DoctorID     VARCHAR(10)  COLLATE HOSPITAL,
    Diagnosis    VARCHAR(200) COLLATE HOSPITAL,
    AccountNum   VARCHAR(10)  COLLATE HOSPITAL
);
CREATE INDEX PATIENT_DATA.ixOutPatientHospNum ON tbOutPatient (HospNum);
CREATE INDEX PATIENT_DATA.ixOutPatientAdmDate ON tbOutPatient (AdmDate);

-- Emergency-room visits; DischargeDate stays null while the patient is in the ER.
CREATE TABLE PATIENT_DATA.tbERMaster (
    IdNum                  VARCHAR(11)  COLLATE HOSPITAL NOT NULL PRIMARY KEY,
    HospNum                VARCHAR(8)   COLLATE HOSPITAL NOT NULL,
    AdmDate                DATETIME     NOT NULL,
    DischargeDate          DATETIME,
    PatientClassification  VARCHAR(1)   COLLATE HOSPITAL,
    DoctorID               VARCHAR(10)  COLLATE HOSPITAL,
    ChiefComplaint         VARCHAR(200) COLLATE HOSPITAL
);
CREATE INDEX PATIENT_DATA.ixERMasterHospNum ON tbERMaster (HospNum);
CREATE INDEX PATIENT_DATA.ixERMasterAdmDate ON tbERMaster (AdmDate);
CREATE INDEX PATIENT_DATA.ixERMasterCurrent ON tbERMaster (HospNum) WHERE DischargeDate IS NULL;
