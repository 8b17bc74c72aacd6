#include "TestPrinters.h"
#include "data/odbc/OdbcSession.h"

#include <gtest/gtest.h>

namespace pwo {
namespace {

TEST(OdbcConnectionStringTest, EmptyCredentialsLeaveTheStringAlone)
{
    EXPECT_EQ(odbcConnectionString("DSN=hospital;", "", ""), "DSN=hospital;");
}

TEST(OdbcConnectionStringTest, CredentialsAreAppendedWithOneSeparator)
{
    EXPECT_EQ(odbcConnectionString("DSN=hospital", "pwo", "secret"), "DSN=hospital;UID=pwo;PWD=secret");
    EXPECT_EQ(odbcConnectionString("DSN=hospital;", "pwo", "secret"), "DSN=hospital;UID=pwo;PWD=secret");
    EXPECT_EQ(odbcConnectionString("DSN=hospital; ", "", "secret"), "DSN=hospital; PWD=secret");
    EXPECT_EQ(odbcConnectionString("", "pwo", ""), "UID=pwo");
}

TEST(OdbcConnectionStringTest, ValuesTheGrammarWouldSplitAreBraced)
{
    EXPECT_EQ(odbcConnectionString("DSN=h", "", "a;b"), "DSN=h;PWD={a;b}");
    EXPECT_EQ(odbcConnectionString("DSN=h", "", "x}y=z"), "DSN=h;PWD={x}}y=z}");
    EXPECT_EQ(odbcConnectionString("DSN=h", " pwo", ""), "DSN=h;UID={ pwo}");
    EXPECT_EQ(odbcConnectionString("DSN=h", "peña", ""), "DSN=h;UID=peña");
}

} // namespace
} // namespace pwo
