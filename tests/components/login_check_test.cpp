// The login check against a demo hospital: what the dialog and the
// environment login both rely on.
#include "hospital/components/user/LoginCheck.h"

#include "DemoDatabase.h"

#include "data/StatementTrace.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace hospital::components;

namespace {

const QString wrongCredentials = QStringLiteral("The employee code or the password is wrong.");

class LoginCheckTest : public ::testing::Test {
protected:
    LoginOutcome logIn(const QString &code, const QString &password, const QString &department = QStringLiteral("PWO"))
    {
        return checkLogin(ServerChoice::standInFolder(database.folder()), code, password, department);
    }

    DemoDatabase database;
};

LoginRefusal refusalOf(const LoginOutcome &outcome)
{
    if (const auto *refusal = std::get_if<LoginRefusal>(&outcome))
        return *refusal;
    ADD_FAILURE() << "the login was not refused";
    return {};
}

StoredLogin loginOf(const LoginOutcome &outcome)
{
    if (const auto *user = std::get_if<LoggedInUser>(&outcome))
        return user->login;
    ADD_FAILURE() << "the login was refused: " << std::get<LoginRefusal>(outcome).reason.toStdString();
    return {};
}

TEST_F(LoginCheckTest, CodeIsMatchedAsTheServerComparesAndReportedAsStored)
{
    EXPECT_EQ(loginOf(logIn(QStringLiteral("  DEMO "), QStringLiteral("demo"))).employeeCode, QStringLiteral("demo"));
    // Passwords, unlike codes, are exact.
    EXPECT_EQ(refusalOf(logIn(QStringLiteral("demo"), QStringLiteral("Demo"))).reason, wrongCredentials);
}

TEST_F(LoginCheckTest, WithoutADepartmentToCheckAnyActiveUserGetsIn)
{
    EXPECT_EQ(loginOf(logIn(QStringLiteral("nurse"), QStringLiteral("nurse"), QString())).departmentCode,
              QStringLiteral("NUR"));
}

TEST_F(LoginCheckTest, InactiveUserIsRefusedButOnlyToWhoeverKnowsThePassword)
{
    database.sqlite(QStringLiteral("UPDATE BUILD_FILE.tbCoUser SET Active = 0 WHERE EmployeeCode = 'clerk'"));
    EXPECT_EQ(refusalOf(logIn(QStringLiteral("clerk"), QStringLiteral("clerk"))).reason,
              QStringLiteral("The user clerk is no longer active."));
    EXPECT_EQ(refusalOf(logIn(QStringLiteral("clerk"), QStringLiteral("guess"))).reason, wrongCredentials);
}

TEST_F(LoginCheckTest, DamagedHashOrQuotedCodeIsARefusalNotAFailure)
{
    database.sqlite(QStringLiteral("UPDATE BUILD_FILE.tbCoUser SET PasswordHash = 'not-a-hash' WHERE EmployeeCode = 'demo'"));
    EXPECT_EQ(refusalOf(logIn(QStringLiteral("demo"), QStringLiteral("demo"))).reason, wrongCredentials);
    EXPECT_EQ(refusalOf(logIn(QStringLiteral("x' OR '1'='1"), QStringLiteral("demo"))).reason, wrongCredentials);
}

TEST_F(LoginCheckTest, OnlyRefusedCredentialsCountTowardsSlowingDown)
{
    EXPECT_TRUE(refusalOf(logIn(QStringLiteral("demo"), QStringLiteral("wrong"))).credentialsRefused);
    EXPECT_TRUE(refusalOf(logIn(QStringLiteral("nobody"), QStringLiteral("demo"))).credentialsRefused);
    EXPECT_TRUE(refusalOf(logIn(QStringLiteral("nurse"), QStringLiteral("nurse"))).credentialsRefused);

    const LoginRefusal noCode = refusalOf(logIn(QStringLiteral("  "), QStringLiteral("demo")));
    EXPECT_EQ(noCode.reason, QStringLiteral("Type your employee code."));
    EXPECT_FALSE(noCode.credentialsRefused);

    QTemporaryDir empty;
    EXPECT_FALSE(refusalOf(checkLogin(ServerChoice::standInFolder(empty.path()), QStringLiteral("demo"),
                                      QStringLiteral("demo"), {}))
                     .credentialsRefused);

    const LoginRefusal noDriver =
        refusalOf(checkLogin(ServerChoice::odbc(QStringLiteral("Driver={No Such Driver 42};Server=nowhere")),
                             QStringLiteral("demo"), QStringLiteral("demo"), {}));
    EXPECT_TRUE(noDriver.reason.startsWith(QStringLiteral("The server could not be used: "))) << noDriver.reason.toStdString();
    EXPECT_FALSE(noDriver.credentialsRefused);
}

TEST_F(LoginCheckTest, PasswordNeverReachesTheStatementTrace)
{
    pwo::StatementTrace::instance().clear();
    refusalOf(logIn(QStringLiteral("demo"), QStringLiteral("typed-Secret-9")));
    const QStringList sent = pwo::StatementTrace::instance().texts();
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent.first(), QStringLiteral("BUILD_FILE..sp_CoUser_GetLogin 'demo'"));
}

} // namespace
