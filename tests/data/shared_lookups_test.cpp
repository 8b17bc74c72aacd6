#include "ScratchDatabase.h"

#include "data/Recordset.h"
#include "data/SharedLookups.h"

#include <gtest/gtest.h>

using namespace pwo;

namespace {
class SharedLookups : public ::testing::Test {
protected:
    SharedLookups()
    {
        db.sqlite(QStringLiteral(
            "INSERT INTO BILLING.tbCompany (AccountNum, Company) VALUES ('C001', 'PCSO');"
            "INSERT INTO PATIENT_DATA.tbPatient2 (IdNum, HospNum, AdmDate, OPDIdNum, AccountNum) VALUES"
            " ('260000001', '00000001', '2026-12-01', ' 260000009B ', NULL),"
            " ('260000002', '00000002', '2026-12-02', NULL, 'C001'),"
            " ('260000003', '00000003', '2026-12-03', '', '');"
            "INSERT INTO PATIENT_DATA.tbOutPatient (IdNum, HospNum, AdmDate, AccountNum) VALUES"
            " ('260000009B', '00000001', '2026-11-30', 'C001');"));
    }
    ScratchDatabase db;
};
} // namespace

TEST_F(SharedLookups, MatchingOutPatientNumberIsTrimmedOrEmpty)
{
    StatementTrace::instance().clear();
    EXPECT_EQ(FindMatchingOpdNumber(db.connection(), QStringLiteral(" 260000001 ")), QStringLiteral("260000009B"));
    EXPECT_EQ(StatementTrace::instance().statements().back().text,
              QStringLiteral("BILLING..sp_Billing_Search_Matching_OPDNumber_At_TbPatient '260000001'"));
    EXPECT_EQ(StatementTrace::instance().statements().back().lockType, 3);
    EXPECT_EQ(FindMatchingOpdNumber(db.connection(), QStringLiteral("260000002")), QString());
    EXPECT_EQ(FindMatchingOpdNumber(db.connection(), QStringLiteral("260000003")), QString());
    EXPECT_EQ(FindMatchingOpdNumber(db.connection(), QStringLiteral("no such")), QString());
}

TEST_F(SharedLookups, CompanyOfAnAdmissionOrVisit)
{
    StatementTrace::instance().clear();
    EXPECT_TRUE(CheckCompany(db.connection(), QStringLiteral("260000002")));
    EXPECT_EQ(StatementTrace::instance().texts().back(), QStringLiteral("Billing..sp_Pars_CheckCompany '260000002'"));
    EXPECT_TRUE(CheckCompany(db.connection(), QStringLiteral("260000009B")));
    EXPECT_FALSE(CheckCompany(db.connection(), QStringLiteral("260000001")));
    EXPECT_FALSE(CheckCompany(db.connection(), QStringLiteral("260000003")));
    EXPECT_FALSE(CheckCompany(db.connection(), QStringLiteral("O'Brien")));  // quoted safely, simply not found
}

TEST_F(SharedLookups, AdmissionLookupTakesTwoArguments)
{
    Recordset rs;
    rs.Open(QStringLiteral("Patient_Data..sp_Adm_LoadInPatient '260000001',''"), db.connection(), 2, 1, -1);
    EXPECT_EQ(rs.RecordCount(), 1);
    rs.Close();
    rs.Open(QStringLiteral("Patient_Data..sp_Adm_LoadInPatient '999',''"), db.connection(), 2, 1, -1);
    EXPECT_TRUE(rs.Eof() && rs.Bof());
}
