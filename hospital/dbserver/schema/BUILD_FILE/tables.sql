-- The hospital's code tables, shared by every department.

-- The intake sheet reads the names under the table's own name and orders by
-- the ...ID column; the patient master refers to the Code.
CREATE TABLE BUILD_FILE.tbCoCivilStatus (
    Code           VARCHAR(2)  COLLATE HOSPITAL NOT NULL PRIMARY KEY,
    Description    VARCHAR(30) COLLATE HOSPITAL NOT NULL,
    CivilStatusID  INT         NOT NULL UNIQUE,
    CivilStatus    VARCHAR(30) COLLATE HOSPITAL GENERATED ALWAYS AS (Description) VIRTUAL
);

CREATE TABLE BUILD_FILE.tbCoReligion (
    Code         VARCHAR(3)  COLLATE HOSPITAL NOT NULL PRIMARY KEY,
    Description  VARCHAR(50) COLLATE HOSPITAL NOT NULL,
    ReligionID   INT         NOT NULL UNIQUE,
    Religion     VARCHAR(50) COLLATE HOSPITAL GENERATED ALWAYS AS (Description) VIRTUAL
);

CREATE TABLE BUILD_FILE.tbCoRelationship (
    Code            VARCHAR(2)  COLLATE HOSPITAL NOT NULL PRIMARY KEY,
    Description     VARCHAR(30) COLLATE HOSPITAL NOT NULL,
    RelationshipID  INT         NOT NULL UNIQUE,
    Relationship    VARCHAR(30) COLLATE HOSPITAL GENERATED ALWAYS AS (Description) VIRTUAL
);

CREATE TABLE BUILD_FILE.tbCoRoom (
    RoomID       VARCHAR(10) COLLATE HOSPITAL NOT NULL PRIMARY KEY,
    Description  VARCHAR(50) COLLATE HOSPITAL NOT NULL,
    Station      VARCHAR(30) COLLATE HOSPITAL NOT NULL,
    RoomRate     MONEY       NOT NULL
);
CREATE INDEX BUILD_FILE.ixRoomStation ON tbCoRoom (Station);

CREATE TABLE BUILD_FILE.tbCoDoctor (
    DoctorID    VARCHAR(10) COLLATE HOSPITAL NOT NULL PRIMARY KEY,
    LastName    VARCHAR(50) COLLATE HOSPITAL NOT NULL,
    FirstName   VARCHAR(50) COLLATE HOSPITAL NOT NULL,
    MiddleName  VARCHAR(50) COLLATE HOSPITAL,
    Specialty   VARCHAR(50) COLLATE HOSPITAL
);
CREATE INDEX BUILD_FILE.ixDoctorName ON tbCoDoctor (LastName, FirstName);

CREATE TABLE BUILD_FILE.tbCoDepartment (
    DeptCode     VARCHAR(5)  COLLATE HOSPITAL NOT NULL PRIMARY KEY,
    Description  VARCHAR(50) COLLATE HOSPITAL NOT NULL
);

CREATE TABLE BUILD_FILE.tbCoEmployee (
    EmployeeCode   VARCHAR(10) COLLATE HOSPITAL NOT NULL PRIMARY KEY,
    LastName       VARCHAR(50) COLLATE HOSPITAL NOT NULL,
    FirstName      VARCHAR(50) COLLATE HOSPITAL NOT NULL,
    MiddleName     VARCHAR(50) COLLATE HOSPITAL,
    DeptCode       VARCHAR(5)  COLLATE HOSPITAL NOT NULL,
    Position       VARCHAR(50) COLLATE HOSPITAL,
    LicenseNumber  VARCHAR(20) COLLATE HOSPITAL
);
CREATE INDEX BUILD_FILE.ixEmployeeDept ON tbCoEmployee (DeptCode, LastName, FirstName);

-- Logins of the stand-in user component. PasswordHash is a libsodium
-- crypto_pwhash_str string (Argon2id, salt and limits inside it).
CREATE TABLE BUILD_FILE.tbCoUser (
    EmployeeCode  VARCHAR(10)  COLLATE HOSPITAL NOT NULL PRIMARY KEY,
    PasswordHash  VARCHAR(128) COLLATE HOSPITAL NOT NULL,
    Rights        VARCHAR(20)  COLLATE HOSPITAL NOT NULL DEFAULT '',
    Active        INT          NOT NULL DEFAULT 1
);
