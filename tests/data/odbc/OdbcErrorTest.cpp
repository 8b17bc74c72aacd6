#include "SqliteOdbcTest.h"

#include "data/DatabaseError.h"

#include <gmock/gmock.h>

namespace pwo {
namespace {

using ::testing::HasSubstr;

// The error the action raised; fails the test when there is none.
template <typename Action>
DatabaseError errorFrom(Action action)
{
    try {
        action();
    } catch (const DatabaseError &error) {
        return error;
    }
    ADD_FAILURE() << "no DatabaseError";
    return DatabaseError(0, QString());
}

void expectDriverDiagnostics(const DatabaseError &error)
{
    ASSERT_FALSE(error.errors().empty());
    for (const ErrorInfo &info : error.errors()) {
        EXPECT_EQ(info.source, QStringLiteral("ODBC"));
        EXPECT_EQ(info.sqlState.size(), 5) << info.sqlState.toStdString();
        EXPECT_FALSE(info.description.isEmpty());
        EXPECT_FALSE(info.description.contains(QChar(0))) << info.description.toStdString();
    }
}

using OdbcErrorTest = SqliteOdbcTest;

TEST_F(OdbcErrorTest, BadSqlCarriesNativeNumberStateAndMessage)
{
    const DatabaseError error = errorFrom([&] { session_->run(QStringLiteral("SELEC 1")); });

    expectDriverDiagnostics(error);
    EXPECT_EQ(error.number(), 1);  // SQLITE_ERROR
    EXPECT_THAT(error.description().toStdString(), HasSubstr("syntax error"));
}

TEST_F(OdbcErrorTest, MissingTableIsNamedInTheMessageWithItsAccents)
{
    const DatabaseError error = errorFrom([&] { session_->run(QStringLiteral("SELECT * FROM peña")); });

    expectDriverDiagnostics(error);
    EXPECT_TRUE(error.description().contains(QStringLiteral("no such table: peña"))) << error.what();
}

TEST_F(OdbcErrorTest, SessionWorksOnAfterAnError)
{
    errorFrom([&] { session_->run(QStringLiteral("SELECT * FROM no_such_ward")); });

    EXPECT_EQ(session_->run(QStringLiteral("SELECT 1")).resultSets.size(), 1u);
}

TEST(OdbcConnectTest, UnknownDriverFailsWithTheDriverManagersDiagnostic)
{
    const DatabaseError error = errorFrom(
        [] { openOdbcSession(QStringLiteral("DRIVER={No Such Driver};Database=x"), QString(), QString()); });

    expectDriverDiagnostics(error);
    EXPECT_THAT(error.description().toStdString(), HasSubstr("No Such Driver"));
}

TEST(OdbcConnectTest, UnknownDataSourceIsReportedAsSuch)
{
    const DatabaseError error =
        errorFrom([] { openOdbcSession(QStringLiteral("DSN=no_such_source"), QString(), QString()); });

    expectDriverDiagnostics(error);
    EXPECT_EQ(error.errors().front().sqlState, QStringLiteral("IM002"));
}

} // namespace
} // namespace pwo
