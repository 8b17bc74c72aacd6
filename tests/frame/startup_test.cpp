#include "ForwardingComponents.h"
#include "ProgramUnderTest.h"
#include "TestPrinters.h"

#include "hospital/components/HospitalComponents.h"

#include "core/ErrorPolicy.h"
#include "frame/mdiPWO.h"
#include "core/modGlobals.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>
#include <QStatusBar>

#include <gtest/gtest.h>

using namespace pwo;

namespace {

bool anyWindowOpen()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            return true;
    return false;
}

QString userPanel(const ProgramUnderTest &program)
{
    return program.mainWindow()->findChild<QLabel *>(QStringLiteral("CurrentUser"))->text();
}

// The hospital's components, with a patient registry that cannot be reached.
class UnreachableRegistry : public ForwardingComponents {
public:
    explicit UnreachableRegistry(const QString &folder) : ForwardingComponents(real_), real_(folder) {}
    std::unique_ptr<PatientRegistryComponent> createPatientRegistry(const QString &) override
    {
        class Registry : public PatientRegistryComponent {
        public:
            void OpenConnection(const QString &) override { throw DatabaseError(17, QStringLiteral("unreachable")); }
            QString ActiveConnection() const override { return {}; }
            std::shared_ptr<AdmissionObject> clsAdmission() override { return nullptr; }
            std::shared_ptr<PatientMasterObject> clsPatientMaster() override { return nullptr; }
        };
        return std::make_unique<Registry>();
    }

private:
    hospital::components::HospitalComponents real_;
};

} // namespace

TEST(Startup, CancelledLoginSendsNothingToTheDepartmentAndOpensNoWindow)
{
    ProgramUnderTest program;
    program.scriptLoginCancel();
    program.start();
    for (const QString &text : program.statementTexts())
        EXPECT_FALSE(text.contains(QStringLiteral("PWO.."), Qt::CaseInsensitive)) << text.toStdString();
    EXPECT_EQ(program.mainWindow(), nullptr);
    EXPECT_FALSE(anyWindowOpen());
    EXPECT_TRUE(program.ended());
    EXPECT_TRUE(program.prompter().asked().isEmpty());
}

TEST(Startup, LoginOpensTheFrameWithTheHospitalAndTheUser)
{
    ProgramUnderTest program;
    program.startAs(QStringLiteral("demo"), QStringLiteral("demo"));
    ASSERT_NE(program.mainWindow(), nullptr);
    EXPECT_TRUE(program.mainWindow()->isVisible());
    EXPECT_EQ(program.mainWindow()->windowTitle(), QStringLiteral("Patient Welfare Office"));
    EXPECT_FALSE(program.ended());

    const Globals &g = globals();
    EXPECT_EQ(g.EmployeeCode, QStringLiteral("demo"));
    EXPECT_FALSE(g.Company.isEmpty());
    EXPECT_EQ(g.Connection, g.CurrentUser->sqlconnection());  // one connection under two names
    EXPECT_EQ(g.Connection->DefaultDatabase(), QStringLiteral("PWO"));
    EXPECT_EQ(g.Connection->CursorLocation(), adUseClient);
    EXPECT_EQ(userPanel(program),
              QStringLiteral("CurrentUser Name:  (demo)  ") + g.CurrentUser->EmployeeName());
    EXPECT_TRUE(program.statementTexts().contains(QStringLiteral("Select * from PATIENT_DATA..tbHospitalInfo")));
    EXPECT_TRUE(g.ReportFolder.endsWith(QStringLiteral("REPORTS/")) || g.ReportFolder.endsWith(QStringLiteral("REPORTS\\")));
}

TEST(Startup, OnlyTheFirstHospitalRowCounts)
{
    ProgramUnderTest program;
    program.database().sqlite(QStringLiteral(
        "INSERT INTO PATIENT_DATA.tbHospitalInfo (Company, Address1, Title, TinNo, MTSServerName) "
        "VALUES ('SECOND HOSPITAL', 'elsewhere', 't', '000', 'host2')"));
    program.startAs();
    EXPECT_NE(globals().Company, QStringLiteral("SECOND HOSPITAL"));
    EXPECT_NE(globals().MTSServerName, QStringLiteral("host2"));
}

TEST(Startup, FailedConnectionCheckSaysSoAndEndsTheProgram)
{
    ProgramUnderTest program([](const QString &folder) { return std::make_unique<UnreachableRegistry>(folder); });
    program.startAs();
    ASSERT_EQ(program.prompter().asked().size(), 1);
    const Prompt &asked = program.prompter().asked().first().prompt;
    EXPECT_EQ(asked.text, QStringLiteral("Unable to stablish a connection..."));
    EXPECT_EQ(asked.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(asked.icon, QMessageBox::NoIcon);
    EXPECT_EQ(asked.title, programTitle());
    EXPECT_EQ(program.mainWindow(), nullptr);
    EXPECT_TRUE(program.ended());
}

TEST(Startup, AFaultyHospitalTableIsReportedAndNothingOpens)
{
    ProgramUnderTest program;
    program.database().sqlite(QStringLiteral("DELETE FROM PATIENT_DATA.tbHospitalInfo"));
    program.scriptLogin(QStringLiteral("demo"), QStringLiteral("demo"));
    guarded([&] { program.start(); });
    program.settle();
    ASSERT_EQ(program.prompter().asked().size(), 1);
    EXPECT_TRUE(program.prompter().texts().first().startsWith(QStringLiteral("Error 3021")));
    EXPECT_EQ(program.mainWindow(), nullptr);
    EXPECT_TRUE(program.ended());
}

TEST(Startup, ChangeActiveUserLogsTheNewUserInAndACancelEndsTheProgram)
{
    ProgramUnderTest program;
    program.startAs(QStringLiteral("demo"), QStringLiteral("demo"));
    const auto firstConnection = globals().Connection;

    program.scriptLogin(QStringLiteral("clerk"), QStringLiteral("clerk"));
    program.control<QToolButton>(QStringLiteral("mdiPWO"), QStringLiteral("btnClose"))->click();
    program.settle();
    ASSERT_NE(program.mainWindow(), nullptr);
    EXPECT_EQ(globals().EmployeeCode, QStringLiteral("clerk"));
    EXPECT_TRUE(userPanel(program).startsWith(QStringLiteral("CurrentUser Name:  (clerk)  ")));
    EXPECT_NE(globals().Connection, firstConnection);
    EXPECT_EQ(globals().Connection, globals().CurrentUser->sqlconnection());
    EXPECT_EQ(globals().Connection->State(), adStateOpen);
    EXPECT_FALSE(program.ended());

    program.scriptLoginCancel();
    program.control<QToolButton>(QStringLiteral("mdiPWO"), QStringLiteral("btnClose"))->click();
    program.settle();
    EXPECT_EQ(program.mainWindow(), nullptr);
    EXPECT_TRUE(program.ended());
}

TEST(Startup, ReportPathsWithTheLeadingBackslashOpenAndReadAsThePlatformWritesThem)
{
    ProgramUnderTest program;
    QTemporaryDir folder;
    globals().ReportFolder = QDir::toNativeSeparators(folder.path() + QStringLiteral("/REPORTS/"));
    QDir(folder.path()).mkpath(QStringLiteral("REPORTS"));
    QFile file(folder.path() + QStringLiteral("/REPORTS/ListofGrantees.rpt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString path = reportFilePath(QStringLiteral("\\ListofGrantees.rpt"));
    EXPECT_EQ(path, QDir::toNativeSeparators(folder.path() + QStringLiteral("/REPORTS/ListofGrantees.rpt")));
    EXPECT_TRUE(QFile(path).open(QIODevice::ReadOnly));
}
