-- Hospital bills and the companies that sponsor stays.

CREATE TABLE BILLING.tbCompany (
    AccountNum  VARCHAR(10)  COLLATE HOSPITAL NOT NULL PRIMARY KEY,
    Company     VARCHAR(100) COLLATE HOSPITAL NOT NULL,
    Address     VARCHAR(200) COLLATE HOSPITAL
);
