-- The intake sheet of a patient: one row a table per hospital number, written
-- whole by its save procedure and read back by its load procedure. Texts are
-- kept as the desk sent them; only the dates of the patient data are dates.
CREATE TABLE PWO.tbPWOIntakeSheet (
    HospNum                   VARCHAR(8)    COLLATE HOSPITAL NOT NULL PRIMARY KEY,
    DateInterviewed           VARCHAR(20)   COLLATE HOSPITAL,
    Classification            VARCHAR(50)   COLLATE HOSPITAL,
    Category                  VARCHAR(50)   COLLATE HOSPITAL,
    Salary                    VARCHAR(50)   COLLATE HOSPITAL,
    Education                 VARCHAR(100)  COLLATE HOSPITAL,
    Ward                      VARCHAR(20)   COLLATE HOSPITAL,
    LastName                  VARCHAR(50)   COLLATE HOSPITAL,
    FirstName                 VARCHAR(50)   COLLATE HOSPITAL,
    MiddleName                VARCHAR(50)   COLLATE HOSPITAL,
    Sex                       VARCHAR(10)   COLLATE HOSPITAL,
    BirthDate                 VARCHAR(20)   COLLATE HOSPITAL,
    CivilStatus               VARCHAR(30)   COLLATE HOSPITAL,
    Occupation                VARCHAR(50)   COLLATE HOSPITAL,
    Age                       VARCHAR(20)   COLLATE HOSPITAL,
    TelNo                     VARCHAR(20)   COLLATE HOSPITAL,
    BirthPlace                VARCHAR(100)  COLLATE HOSPITAL,
    Religion                  VARCHAR(50)   COLLATE HOSPITAL,
    Employer                  VARCHAR(100)  COLLATE HOSPITAL,
    IDNUM                     VARCHAR(11)   COLLATE HOSPITAL,
    AdmissionDate             VARCHAR(20)   COLLATE HOSPITAL,
    InterviewDate             VARCHAR(20)   COLLATE HOSPITAL,
    ExpiryDate                VARCHAR(20)   COLLATE HOSPITAL,
    TemporaryAddress          VARCHAR(200)  COLLATE HOSPITAL,
    PermanentAddress          VARCHAR(200)  COLLATE HOSPITAL,
    PWONumber                 VARCHAR(15)   COLLATE HOSPITAL,
    SenCitizen                VARCHAR(1)    COLLATE HOSPITAL,
    brgyOfficial              VARCHAR(1)    COLLATE HOSPITAL,
    BHW                       VARCHAR(1)    COLLATE HOSPITAL,
    PWD                       VARCHAR(1)    COLLATE HOSPITAL,
    Indigenous                VARCHAR(1)    COLLATE HOSPITAL,
    OtherSectorialMembership  VARCHAR(100)  COLLATE HOSPITAL
);

-- Referral, informant, medical situation and the worker's assessment.
CREATE TABLE PWO.tbPWOOtherPatientInfo (
    HospNum                   VARCHAR(8)     COLLATE HOSPITAL NOT NULL PRIMARY KEY,
    ReferringParty            VARCHAR(50)    COLLATE HOSPITAL,
    ReferredBy                VARCHAR(100)   COLLATE HOSPITAL,
    ReferralAddress           VARCHAR(200)   COLLATE HOSPITAL,
    ReferringPartyContactNo   VARCHAR(50)    COLLATE HOSPITAL,
    InfoSource                VARCHAR(100)   COLLATE HOSPITAL,
    CompanionUponAdmission    VARCHAR(100)   COLLATE HOSPITAL,
    PerCapitaIncome           VARCHAR(50)    COLLATE HOSPITAL,
    LivingArrangement         VARCHAR(50)    COLLATE HOSPITAL,
    RelationToPatient         VARCHAR(30)    COLLATE HOSPITAL,
    AddressOfInformant        VARCHAR(200)   COLLATE HOSPITAL,
    AdmDiagnosis              VARCHAR(500)   COLLATE HOSPITAL,
    FinalDiagnosis            VARCHAR(500)   COLLATE HOSPITAL,
    ProbSympDuration          VARCHAR(100)   COLLATE HOSPITAL,
    PrevTretmentDuration      VARCHAR(200)   COLLATE HOSPITAL,
    PresentTreatmentPlan      VARCHAR(500)   COLLATE HOSPITAL,
    HealthAccessibility       VARCHAR(20)    COLLATE HOSPITAL,
    Assessment                VARCHAR(4000)  COLLATE HOSPITAL,
    RecommendedInterventions  VARCHAR(4000)  COLLATE HOSPITAL,
    PhilhealthType            VARCHAR(50)    COLLATE HOSPITAL,
    CategoryType              VARCHAR(50)    COLLATE HOSPITAL,
    Accomodation              VARCHAR(50)    COLLATE HOSPITAL
);

-- The case data the intake sheet shares with the assessment: case number,
-- class, category, dates, the worker and who encoded it.
CREATE TABLE PWO.tbPWOPatientData (
    HospNum              VARCHAR(8)   COLLATE HOSPITAL NOT NULL PRIMARY KEY,
    IDNUM                VARCHAR(11)  COLLATE HOSPITAL,
    PWONumber            VARCHAR(15)  COLLATE HOSPITAL,
    classCode            VARCHAR(2)   COLLATE HOSPITAL,
    categoryDescription  VARCHAR(50)  COLLATE HOSPITAL,
    CategoryNum          VARCHAR(5)   COLLATE HOSPITAL,
    InterviewDate        DATETIME,
    ExpiryDate           DATETIME,
    PWOW                 VARCHAR(100) COLLATE HOSPITAL,
    EncodedBy            VARCHAR(10)  COLLATE HOSPITAL,
    refpartyid           VARCHAR(5)   COLLATE HOSPITAL,
    DateEncoded          DATETIME
);
CREATE INDEX PWO.ixPatientDataPWONumber ON tbPWOPatientData (PWONumber);

-- The household's twenty-four monthly expenses, their total as the desk
-- computed it, and the description of the "others" amount.
CREATE TABLE PWO.tbPWOMonthlyExpenses (
    HospNum                  VARCHAR(8)   COLLATE HOSPITAL NOT NULL PRIMARY KEY,
    rent                     VARCHAR(20)  COLLATE HOSPITAL,
    Owned                    VARCHAR(20)  COLLATE HOSPITAL,
    Amortize                 VARCHAR(20)  COLLATE HOSPITAL,
    Electric                 VARCHAR(20)  COLLATE HOSPITAL,
    Kerosine                 VARCHAR(20)  COLLATE HOSPITAL,
    Candle                   VARCHAR(20)  COLLATE HOSPITAL,
    ArtesianWell             VARCHAR(20)  COLLATE HOSPITAL,
    WaterDistrict            VARCHAR(20)  COLLATE HOSPITAL,
    WaterPublic              VARCHAR(20)  COLLATE HOSPITAL,
    WaterOwned               VARCHAR(20)  COLLATE HOSPITAL,
    Food                     VARCHAR(20)  COLLATE HOSPITAL,
    Clothing                 VARCHAR(20)  COLLATE HOSPITAL,
    Gas                      VARCHAR(20)  COLLATE HOSPITAL,
    Firewood                 VARCHAR(20)  COLLATE HOSPITAL,
    Charcoal                 VARCHAR(20)  COLLATE HOSPITAL,
    MCS                      VARCHAR(20)  COLLATE HOSPITAL,
    TuitionFee               VARCHAR(20)  COLLATE HOSPITAL,
    Allowance                VARCHAR(20)  COLLATE HOSPITAL,
    TranspoAllowance         VARCHAR(20)  COLLATE HOSPITAL,
    TranspoMed               VARCHAR(20)  COLLATE HOSPITAL,
    MedicalExpenditure       VARCHAR(20)  COLLATE HOSPITAL,
    HouseHelp                VARCHAR(20)  COLLATE HOSPITAL,
    InsurancePremium         VARCHAR(20)  COLLATE HOSPITAL,
    OTher                    VARCHAR(100) COLLATE HOSPITAL,
    OtherAmount              VARCHAR(20)  COLLATE HOSPITAL,
    TotalMonthlyExpenditure  VARCHAR(20)  COLLATE HOSPITAL
);

-- The lists of the intake sheet's second page.
CREATE TABLE PWO.tbPWOLivingArrangement (
    code         INT          NOT NULL PRIMARY KEY,
    Description  VARCHAR(50)  COLLATE HOSPITAL
);
CREATE TABLE PWO.tbPWOPhilhealthType (
    code         INT          NOT NULL PRIMARY KEY,
    Description  VARCHAR(50)  COLLATE HOSPITAL
);
CREATE TABLE PWO.tbPWOCategoryType (
    code         INT          NOT NULL PRIMARY KEY,
    Description  VARCHAR(50)  COLLATE HOSPITAL
);
CREATE TABLE PWO.tbPWOAccomodation (
    code         INT          NOT NULL PRIMARY KEY,
    Description  VARCHAR(50)  COLLATE HOSPITAL
);
