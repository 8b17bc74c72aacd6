// The login dialog driven through its controls, offscreen.
#include "hospital/components/user/LoginDialog.h"

#include "DemoDatabase.h"

#include "data/Connection.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace hospital::components;

namespace {

class LoginDialogTest : public ::testing::Test {
protected:
    LoginDialogTest() : dialog(database.folder(), QStringLiteral("PWO")) { dialog.show(); }

    template <typename T>
    T *control(const char *name)
    {
        auto *found = dialog.findChild<T *>(QString::fromLatin1(name));
        if (!found)
            ADD_FAILURE() << "no control " << name;
        return found;
    }

    void attempt(const QString &code, const QString &password)
    {
        control<QLineEdit>("txtEmployeeCode")->setText(code);
        control<QLineEdit>("txtPassword")->setText(password);
        QTest::mouseClick(control<QPushButton>("cmdOK"), Qt::LeftButton);
    }

    QString message() { return control<QLabel>("lblMessage")->text(); }

    DemoDatabase database;
    LoginDialog dialog;
};

TEST_F(LoginDialogTest, ControlsCarryTheirNamesAndStartOnTheDemoDatabase)
{
    EXPECT_EQ(dialog.objectName(), QStringLiteral("frmLogin"));
    for (const char *name : {"txtEmployeeCode", "txtPassword", "txtServerFolder", "txtOdbcString"})
        EXPECT_NE(dialog.findChild<QLineEdit *>(QString::fromLatin1(name)), nullptr) << name;
    for (const char *name : {"optDemoServer", "optFolderServer", "optOdbcServer"})
        EXPECT_NE(dialog.findChild<QRadioButton *>(QString::fromLatin1(name)), nullptr) << name;
    for (const char *name : {"cmdOK", "cmdCancel", "cmdBrowseFolder"})
        EXPECT_NE(dialog.findChild<QPushButton *>(QString::fromLatin1(name)), nullptr) << name;
    ASSERT_NE(dialog.findChild<QLabel *>(QStringLiteral("lblMessage")), nullptr);

    EXPECT_EQ(control<QLineEdit>("txtPassword")->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(control<QRadioButton>("optDemoServer")->isChecked());
    EXPECT_EQ(control<QRadioButton>("optDemoServer")->text(), QStringLiteral("&Demo database"));
    EXPECT_FALSE(control<QLineEdit>("txtServerFolder")->isEnabled());
    EXPECT_FALSE(control<QLineEdit>("txtOdbcString")->isEnabled());
    EXPECT_TRUE(message().isEmpty());
}

TEST_F(LoginDialogTest, WrongPasswordShowsWhyAndKeepsEverythingButThePassword)
{
    control<QRadioButton>("optFolderServer")->setChecked(true);
    control<QLineEdit>("txtServerFolder")->setText(database.folder());
    attempt(QStringLiteral("demo"), QStringLiteral("wrong"));

    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(message(), QStringLiteral("The employee code or the password is wrong."));
    EXPECT_EQ(control<QLineEdit>("txtEmployeeCode")->text(), QStringLiteral("demo"));
    EXPECT_TRUE(control<QLineEdit>("txtPassword")->text().isEmpty());
    EXPECT_TRUE(control<QRadioButton>("optFolderServer")->isChecked());
    EXPECT_EQ(control<QLineEdit>("txtServerFolder")->text(), database.folder());
    EXPECT_FALSE(dialog.loggedIn());

    // The next try with the right password still works.
    control<QLineEdit>("txtPassword")->setText(QStringLiteral("demo"));
    QTest::mouseClick(control<QPushButton>("cmdOK"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(LoginDialogTest, RightPasswordClosesTheDialogLoggedIn)
{
    attempt(QStringLiteral("demo"), QStringLiteral("demo"));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_TRUE(dialog.loggedIn());
    EXPECT_EQ(dialog.loggedIn()->connection->State(), pwo::adStateOpen);
    EXPECT_EQ(dialog.loggedIn()->serverName, database.folder());
}

TEST_F(LoginDialogTest, ThirdRefusalInARowDisablesOkUntilTheTimerEnablesIt)
{
    attempt(QStringLiteral("demo"), QStringLiteral("one"));
    attempt(QStringLiteral("demo"), QStringLiteral("two"));
    auto *ok = control<QPushButton>("cmdOK");
    EXPECT_TRUE(ok->isEnabled());

    attempt(QStringLiteral("demo"), QStringLiteral("three"));
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_EQ(message(),
              QStringLiteral("The employee code or the password is wrong. Wait 2 seconds before the next try."));

    // A click on the disabled button is no attempt.
    control<QLineEdit>("txtPassword")->setText(QStringLiteral("demo"));
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());

    QTRY_VERIFY_WITH_TIMEOUT(ok->isEnabled(), 5000);
    EXPECT_EQ(message(), QStringLiteral("The employee code or the password is wrong."));
    EXPECT_TRUE(dialog.isVisible());

    attempt(QStringLiteral("demo"), QStringLiteral("four"));
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_TRUE(message().endsWith(QStringLiteral("Wait 4 seconds before the next try.")));
}

TEST_F(LoginDialogTest, ServerProblemsShowTheirReasonWithoutSlowingTheNextTry)
{
    QTemporaryDir empty;
    control<QRadioButton>("optFolderServer")->setChecked(true);
    EXPECT_TRUE(control<QLineEdit>("txtServerFolder")->isEnabled());
    control<QLineEdit>("txtServerFolder")->setText(empty.path());
    for (int i = 0; i < 4; ++i)
        attempt(QStringLiteral("demo"), QStringLiteral("demo"));
    EXPECT_TRUE(message().contains(QStringLiteral("does not hold the hospital databases"))) << message().toStdString();
    EXPECT_TRUE(control<QPushButton>("cmdOK")->isEnabled());
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(LoginDialogTest, CancelRejectsWithoutALogin)
{
    QTest::mouseClick(control<QPushButton>("cmdCancel"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.loggedIn());
}

} // namespace
