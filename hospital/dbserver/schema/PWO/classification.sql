-- The office's socio-economic classes and the discount fractions of each;
-- the client only reads them. Code and Classification may be null, as on
-- the hospital's server, which is why the readers wrap them in isnull.
CREATE TABLE PWO.tbPWOClassificationScheme (
    Code            VARCHAR(2)  COLLATE HOSPITAL UNIQUE,
    Classification  VARCHAR(50) COLLATE HOSPITAL
);

-- One row per class (Type = Code): in-patient fractions, then out-patient
-- ones (suffix 2). A class without a row gets no discount.
CREATE TABLE PWO.tbPWOClassification (
    Type         VARCHAR(2)   COLLATE HOSPITAL NOT NULL PRIMARY KEY,
    Procedures   DECIMAL(5,4) NOT NULL DEFAULT 0,
    Supplies     DECIMAL(5,4) NOT NULL DEFAULT 0,
    Medicines    DECIMAL(5,4) NOT NULL DEFAULT 0,
    Room         DECIMAL(5,4) NOT NULL DEFAULT 0,
    Procedures2  DECIMAL(5,4) NOT NULL DEFAULT 0,
    Supplies2    DECIMAL(5,4) NOT NULL DEFAULT 0,
    Medicines2   DECIMAL(5,4) NOT NULL DEFAULT 0
);
