-- The charges and credits posted to a stay, one row a line: in-patients'
-- in tbBillDailyBill, out-patients' and ER visits' in tbBillOPDailyOut.
-- RefNum carries the reference of the line; the office's discount lines
-- (RevenueID 'QF') carry its case number.
CREATE TABLE BILLING.tbBillDailyBill (
    IdNum        VARCHAR(10)    COLLATE HOSPITAL NOT NULL,
    TransDate    DATETIME       NOT NULL,
    RevenueID    VARCHAR(2)     COLLATE HOSPITAL NOT NULL,
    RefNum       VARCHAR(15)    COLLATE HOSPITAL,
    Description  VARCHAR(100)   COLLATE HOSPITAL,
    Amount       DECIMAL(12,2)  NOT NULL
);
CREATE INDEX BILLING.ixDailyBillStay ON tbBillDailyBill (IdNum, RevenueID);

CREATE TABLE BILLING.tbBillOPDailyOut (
    IdNum        VARCHAR(11)    COLLATE HOSPITAL NOT NULL,
    TransDate    DATETIME       NOT NULL,
    RevenueID    VARCHAR(2)     COLLATE HOSPITAL NOT NULL,
    RefNum       VARCHAR(15)    COLLATE HOSPITAL,
    Description  VARCHAR(100)   COLLATE HOSPITAL,
    Amount       DECIMAL(12,2)  NOT NULL
);
CREATE INDEX BILLING.ixOPDailyOutStay ON tbBillOPDailyOut (IdNum, RevenueID);
