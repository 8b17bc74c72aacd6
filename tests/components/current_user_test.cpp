// The user component as the client uses it: ShowMain, then the properties.
#include "hospital/components/user/CurrentUser.h"

#include "ComponentsTestSupport.h"
#include "DemoDatabase.h"

#include "data/Connection.h"
#include "data/Recordset.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>

#include <gtest/gtest.h>

using namespace hospital::components;

namespace {

class CurrentUserTest : public ::testing::Test {
protected:
    CurrentUserTest() : user(database.folder()) { user.setPasswordDeptCode(QStringLiteral("PWO")); }

    void environmentLogin(const QString &code, const QString &password)
    {
        environment.set("PWO_SERVER", database.folder());
        environment.set("PWO_USER", code);
        environment.set("PWO_PASSWORD", password);
    }

    // ShowMain with the environment login; fails the test if a dialog shows up.
    QString showMainWithoutDialog()
    {
        ModalDialogDriver unexpected([](QDialog &dialog) {
            ADD_FAILURE() << "a dialog was shown: " << dialog.objectName().toStdString();
            dialog.reject();
        });
        testing::internal::CaptureStderr();
        user.ShowMain();
        return QString::fromStdString(testing::internal::GetCapturedStderr());
    }

    void showMainAnswering(const QString &code, const QString &password)
    {
        ModalDialogDriver login([&](QDialog &dialog) {
            dialog.findChild<QLineEdit *>(QStringLiteral("txtEmployeeCode"))->setText(code);
            dialog.findChild<QLineEdit *>(QStringLiteral("txtPassword"))->setText(password);
            dialog.findChild<QAbstractButton *>(QStringLiteral("cmdOK"))->click();
        });
        user.ShowMain();
        ASSERT_TRUE(login.appeared());
    }

    DemoDatabase database;
    ScopedEnvironment environment;
    CurrentUser user;
};

class UnsetLoginEnvironment : public CurrentUserTest {
protected:
    UnsetLoginEnvironment()
    {
        environment.unset("PWO_SERVER");
        environment.unset("PWO_USER");
        environment.unset("PWO_PASSWORD");
    }
};

TEST_F(CurrentUserTest, EnvironmentLoginNeedsNoDialogAndFillsEveryProperty)
{
    environmentLogin(QStringLiteral("demo"), QStringLiteral("demo"));
    EXPECT_EQ(showMainWithoutDialog(), QString());
    ASSERT_TRUE(user.Connected());
    EXPECT_EQ(user.employeecode(), QStringLiteral("demo"));
    EXPECT_EQ(user.EmployeeName(), QStringLiteral("ANA MARIE REYES"));
    EXPECT_EQ(user.ServerName(), database.folder());
    EXPECT_EQ(user.Database(), QStringLiteral("PWO"));
    EXPECT_EQ(user.ServerPassword(), QString());
    EXPECT_EQ(user.Password(), QStringLiteral("demo"));
}

TEST_F(CurrentUserTest, SqlconnectionIsOneOpenConnectionOnEveryRead)
{
    environmentLogin(QStringLiteral("clerk"), QStringLiteral("clerk"));
    showMainWithoutDialog();
    const std::shared_ptr<pwo::Connection> first = user.sqlconnection();
    ASSERT_TRUE(first);
    EXPECT_EQ(first.get(), user.sqlconnection().get());
    EXPECT_EQ(first->State(), pwo::adStateOpen);
    pwo::Recordset info;
    info.Open(QStringLiteral("Select * from PATIENT_DATA..tbHospitalInfo"), *user.sqlconnection(), 2, pwo::adLockReadOnly);
    EXPECT_FALSE(info.Eof());
}

TEST_F(CurrentUserTest, RightsFollowTheStoredLetters)
{
    environmentLogin(QStringLiteral("demo"), QStringLiteral("demo"));
    showMainWithoutDialog();
    EXPECT_TRUE(user.have_rights(QStringLiteral("A")));
    EXPECT_TRUE(user.have_rights(QStringLiteral("a")));
    EXPECT_FALSE(user.have_rights(QStringLiteral("B")));
    EXPECT_FALSE(user.have_rights(QString()));

    CurrentUser clerk(database.folder());
    clerk.setPasswordDeptCode(QStringLiteral("PWO"));
    environmentLogin(QStringLiteral("clerk"), QStringLiteral("clerk"));
    clerk.ShowMain();
    ASSERT_TRUE(clerk.Connected());
    EXPECT_FALSE(clerk.have_rights(QStringLiteral("A")));
}

TEST_F(CurrentUserTest, RefusedEnvironmentLoginSaysWhyOnOneLineWithoutThePassword)
{
    environmentLogin(QStringLiteral("demo"), QStringLiteral("not-demo-42"));
    const QString said = showMainWithoutDialog();
    EXPECT_FALSE(user.Connected());
    EXPECT_FALSE(user.sqlconnection());
    EXPECT_EQ(said.count(QLatin1Char('\n')), 1) << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("refused: The employee code or the password is wrong."))) << said.toStdString();
    EXPECT_FALSE(said.contains(QStringLiteral("not-demo-42")));
}

TEST_F(CurrentUserTest, EnvironmentRefusesUnknownUsersAndOtherDepartments)
{
    environmentLogin(QStringLiteral("ghost"), QStringLiteral("ghost"));
    EXPECT_TRUE(showMainWithoutDialog().contains(QStringLiteral("The employee code or the password is wrong.")));
    EXPECT_FALSE(user.Connected());

    environmentLogin(QStringLiteral("nurse"), QStringLiteral("nurse"));
    EXPECT_TRUE(showMainWithoutDialog().contains(QStringLiteral("Only users of the department PWO may log in here.")));
    EXPECT_FALSE(user.Connected());
    EXPECT_EQ(user.employeecode(), QString());
    EXPECT_FALSE(user.have_rights(QStringLiteral("A")));
}

TEST_F(CurrentUserTest, EnvironmentServerIsAlwaysAFolderNeverAnOdbcString)
{
    environmentLogin(QStringLiteral("demo"), QStringLiteral("demo"));
    environment.set("PWO_SERVER", QStringLiteral("Driver={SQLite3};Database=") + database.folder());
    EXPECT_TRUE(showMainWithoutDialog().contains(QStringLiteral("does not hold the hospital databases")));
    EXPECT_FALSE(user.Connected());
}

TEST_F(CurrentUserTest, ARefusedLoginAfterAGoodOneLeavesNoUser)
{
    environmentLogin(QStringLiteral("demo"), QStringLiteral("demo"));
    showMainWithoutDialog();
    ASSERT_TRUE(user.Connected());
    environmentLogin(QStringLiteral("demo"), QStringLiteral("wrong"));
    showMainWithoutDialog();
    EXPECT_FALSE(user.Connected());
    EXPECT_EQ(user.Password(), QString());
    EXPECT_EQ(user.EmployeeName(), QString());
}

TEST_F(UnsetLoginEnvironment, PartialEnvironmentStillShowsTheDialog)
{
    environment.set("PWO_USER", QStringLiteral("demo"));
    environment.set("PWO_PASSWORD", QStringLiteral("demo"));
    ModalDialogDriver cancel([](QDialog &dialog) {
        EXPECT_EQ(dialog.objectName(), QStringLiteral("frmLogin"));
        dialog.findChild<QAbstractButton *>(QStringLiteral("cmdCancel"))->click();
    });
    user.ShowMain();
    EXPECT_TRUE(cancel.appeared());
    EXPECT_FALSE(user.Connected());
    EXPECT_FALSE(user.sqlconnection());
}

TEST_F(UnsetLoginEnvironment, DialogLoginConnectsWithWhatWasTyped)
{
    showMainAnswering(QStringLiteral("demo"), QStringLiteral("demo"));
    ASSERT_TRUE(user.Connected());
    EXPECT_EQ(user.Password(), QStringLiteral("demo"));
    EXPECT_EQ(user.employeecode(), QStringLiteral("demo"));
    EXPECT_EQ(user.sqlconnection()->State(), pwo::adStateOpen);
}

TEST_F(UnsetLoginEnvironment, ClosingTheDialogIsACancel)
{
    ModalDialogDriver close([](QDialog &dialog) { dialog.close(); });
    user.ShowMain();
    EXPECT_TRUE(close.appeared());
    EXPECT_FALSE(user.Connected());
}

} // namespace
