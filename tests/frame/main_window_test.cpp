#include "ProgramUnderTest.h"
#include "TestPrinters.h"

#include "core/ProgramState.h"
#include "patients/frmListPatient.h"
#include "frame/ClockText.h"
#include "frame/mdiPWO.h"

#include <QMdiSubWindow>
#include <QMenu>
#include <QToolButton>

#include <QLineEdit>

#include <gtest/gtest.h>

using namespace pwo;

namespace {
QStringList captions(const QMenu *menu)
{
    QStringList result;
    for (const QAction *a : menu->actions())
        result << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return result;
}
} // namespace

TEST(MainWindow, MenusHoldEveryItemInOrder)
{
    ProgramUnderTest program;
    program.startAs();
    const MainMenus &m = program.mainWindow()->menus();
    EXPECT_EQ(captions(m.mnuFile),
              (QStringList{"Intake Sheet Entry", "Assessment and Referal", "Edit Patient Classification"}));
    EXPECT_EQ(captions(m.mnuViewing),
              (QStringList{"View Computation of Discount", "View Patient Charges", "View Discharge Notice",
                           "View Referral From Medical Team History", "Patient Datasheet"}));
    EXPECT_EQ(captions(m.mnuFileMaintenance), (QStringList{"Re-Print Intake Sheet", "Re-Print ARR", "Edit PWO Number",
                                                           "Contract/Responsibility Slip"}));
    const QStringList reports = captions(m.mnuReports);
    EXPECT_EQ(reports.first(), QStringLiteral("View List of Grantees"));
    EXPECT_EQ(reports.last(), QStringLiteral("NBB Report"));
    EXPECT_EQ(reports.count(QStringLiteral("-")), 4);
    EXPECT_TRUE(reports.contains(QStringLiteral("Service Income Report")));

    // Items whose windows this program does not have yet do not pretend to work.
    EXPECT_FALSE(program.mainWindow()->menuItem(QStringLiteral("mnuEditPatClass"))->isEnabled());
    EXPECT_TRUE(program.mainWindow()->menuItem(QStringLiteral("mnuARR"))->isEnabled());
    EXPECT_FALSE(program.mainWindow()->menuItem(QStringLiteral("mnuViewPatientDatasheet"))->isEnabled());
    EXPECT_TRUE(program.mainWindow()->menuItem(QStringLiteral("mnuIntakeSheet"))->isEnabled());
}

TEST(MainWindow, ToolStripHasItsEightButtonsInOrder)
{
    ProgramUnderTest program;
    program.startAs();
    QStringList names;
    for (QToolButton *b : program.mainWindow()->findChildren<QToolButton *>())
        if (b->objectName().startsWith(QLatin1String("btn")))
            names << b->objectName();
    EXPECT_EQ(names, (QStringList{"btnDataEntry", "btnViewing", "btnFileMaintenance", "btnReports", "btnDischargeNotice",
                                  "btnListing", "btnReferralNotice", "btnClose"}));
    EXPECT_EQ(program.control<QToolButton>(QStringLiteral("mdiPWO"), QStringLiteral("btnClose"))->toolTip(),
              QStringLiteral("Change Active User"));
}

TEST(MainWindow, IntakeSheetEntryWithoutAPatientOpensThePatientList)
{
    ProgramUnderTest program;
    program.startAs();
    ASSERT_TRUE(CurrentPatient().HospNum().isEmpty());
    program.mainWindow()->menuItem(QStringLiteral("mnuIntakeSheet"))->trigger();
    EXPECT_NE(program.window(QStringLiteral("frmListPatient")), nullptr);
}

TEST(MainWindow, ListingReopensTheListWithTheSameSearchTexts)
{
    ProgramUnderTest program;
    program.startAs();
    mdiPWO *first = program.mainWindow();
    first->showPatientList();
    QWidget *typedIn = program.window(QStringLiteral("frmListPatient"));
    typedIn->findChild<QLineEdit *>(QStringLiteral("txtHospNum"))->setText(QStringLiteral("00001234"));
    typedIn->findChild<QLineEdit *>(QStringLiteral("txtLastname"))->setText(QStringLiteral("SANTOS"));
    program.control<QToolButton>(QStringLiteral("mdiPWO"), QStringLiteral("btnListing"))->click();
    program.settle();

    mdiPWO *frame = program.mainWindow();
    ASSERT_NE(frame, nullptr);
    EXPECT_NE(frame, first);  // the frame was loaded again
    auto *list = qobject_cast<frmListPatient *>(program.window(QStringLiteral("frmListPatient")));
    ASSERT_NE(list, nullptr);
    const auto typed = [list](const char *box) { return list->findChild<QLineEdit *>(QLatin1String(box))->text(); };
    EXPECT_EQ(typed("txtHospNum"), QStringLiteral("00001234"));
    EXPECT_EQ(typed("txtIDNum"), QString());
    EXPECT_EQ(typed("txtLastname"), QStringLiteral("SANTOS"));
    EXPECT_EQ(CurrentPatient().HospNum(), QStringLiteral("00001234"));
    EXPECT_EQ(CurrentPatient().PatientName(), QStringLiteral("SANTOS"));
    EXPECT_FALSE(program.ended());
}

TEST(MainWindow, ListingWithEmptyBoxesLeavesNoPatient)
{
    ProgramUnderTest program;
    program.startAs();
    program.control<QToolButton>(QStringLiteral("mdiPWO"), QStringLiteral("btnListing"))->click();
    program.settle();
    EXPECT_NE(program.window(QStringLiteral("frmListPatient")), nullptr);
    EXPECT_TRUE(CurrentPatient().HospNum().isEmpty());
    EXPECT_TRUE(CurrentPatient().IDNUM().isEmpty());
    EXPECT_TRUE(CurrentPatient().PatientName().isEmpty());
}

TEST(Clock, ShowsDayMonthYearAndTime)
{
    EXPECT_EQ(clockText(QDateTime(QDate(2018, 8, 15), QTime(14, 5, 59))), QStringLiteral("(15 August 2018)  14:05 "));
    EXPECT_EQ(clockText(QDateTime(QDate(2026, 1, 2), QTime(7, 0))), QStringLiteral("(02 January 2026)  07:00 "));
}

TEST(Clock, PanelFollowsTheClockTimer)
{
    ProgramUnderTest program;
    program.startAs();
    auto *panel = program.mainWindow()->findChild<QLabel *>(QStringLiteral("CurrentDateTime"));
    panel->clear();
    program.fireTimer(QStringLiteral("tmrShowDateTime"));
    EXPECT_EQ(panel->text(), clockText(QDateTime::currentDateTime()));
    EXPECT_EQ(program.mainWindow()->findChild<QTimer *>(QStringLiteral("tmrShowDateTime"))->interval(), 60);
}
