// The login dialog driven through its controls, offscreen.
#include "hospital/components/user/LoginDialog.h"

#include "DemoDatabase.h"

#include "data/Connection.h"

#include <QDir>
#include <QFile>
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

TEST_F(LoginDialogTest, FromTheThirdRefusalInARowTheNextTryWaitsAndTheWaitCountsDown)
{
    attempt(QStringLiteral("demo"), QStringLiteral("one"));
    attempt(QStringLiteral("demo"), QStringLiteral("two"));
    attempt(QStringLiteral("demo"), QStringLiteral("three"));
    EXPECT_EQ(message(),
              QStringLiteral("The employee code or the password is wrong. Wait 2 seconds before the next try."));

    // Enter during the wait is no attempt, but it answers
    control<QLineEdit>("txtPassword")->setText(QStringLiteral("demo"));
    QTest::keyClick(control<QLineEdit>("txtPassword"), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(message().contains(QStringLiteral(" before the next try."))) << message().toStdString();
    QTRY_COMPARE_WITH_TIMEOUT(message(), QStringLiteral("The employee code or the password is wrong. "
                                                        "Wait 1 second before the next try."), 2000);

    QTRY_COMPARE_WITH_TIMEOUT(message(), QStringLiteral("The employee code or the password is wrong."), 3000);
    EXPECT_TRUE(dialog.isVisible());

    attempt(QStringLiteral("demo"), QStringLiteral("four"));
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
    EXPECT_FALSE(message().contains(QStringLiteral("Wait")));
    EXPECT_TRUE(dialog.isVisible());
    // what was typed stays: the server was at fault, not the password
    EXPECT_EQ(control<QLineEdit>("txtPassword")->text(), QStringLiteral("demo"));

    // a damaged database file is named
    control<QLineEdit>("txtServerFolder")->setText(database.folder());
    QFile damaged(QDir(database.folder()).filePath(QStringLiteral("PWO.sqlite")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write(QByteArray(4096, 'x'));
    damaged.close();
    attempt(QStringLiteral("demo"), QStringLiteral("demo"));
    EXPECT_TRUE(message().contains(QStringLiteral("PWO.sqlite is not a database."))) << message().toStdString();
}

TEST_F(LoginDialogTest, CancelRejectsWithoutALogin)
{
    QTest::mouseClick(control<QPushButton>("cmdCancel"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.loggedIn());
}

} // namespace
