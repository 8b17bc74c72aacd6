#include "ProgramUnderTest.h"
#include "TestPrinters.h"

#include "hospital/dbserver/ProcedureRegistry.h"
#include "hospital/dbserver/SqlProcedure.h"
#include "hospital/dbserver/StandInProvider.h"

#include "shell/mdiPWO.h"

#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace pwo;
using hospital::dbserver::ProcedureRegistry;
using hospital::dbserver::SqlProcedure;

namespace {

// The count procedure answers with whatever the test puts in a one-row
// table of its own: a number, a null, or no row at all.
void answerCountsFromTestTable(const ProgramUnderTest &program)
{
    program.database().sqlite(QStringLiteral("CREATE TABLE PWO.tbTestCount (recCount INT)"));
    ProcedureRegistry procedures = ProcedureRegistry::standard();
    procedures.add(QStringLiteral("PWO"), QStringLiteral("sp_PWO_LoadReferralNoticeCount"),
                   std::make_unique<SqlProcedure>(QStringLiteral("sp_PWO_LoadReferralNoticeCount"),
                                                  std::vector<SqlProcedure::Parameter>{},
                                                  QStringLiteral("SELECT recCount FROM PWO.tbTestCount")));
    hospital::dbserver::registerStandInProvider(procedures);
}

void setCount(const ProgramUnderTest &program, const QString &rows)
{
    program.database().sqlite(QStringLiteral("DELETE FROM PWO.tbTestCount;") + rows);
}

struct ButtonState {
    bool highlighted;
    bool flashing;
};

ButtonState referralButton(const ProgramUnderTest &program)
{
    const mdiPWO *frame = program.mainWindow();
    return {frame->findChild<QToolButton *>(QStringLiteral("btnReferralNotice"))->isChecked(),
            frame->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive() &&
                frame->findChild<QTimer *>(QStringLiteral("Timer2"))->isActive()};
}

} // namespace

TEST(ReferralPoll, OnlyAPositiveCountStartsTheFlashingAndNothingStopsIt)
{
    ProgramUnderTest program;
    answerCountsFromTestTable(program);
    program.startAs();
    auto *timer = program.mainWindow()->findChild<QTimer *>(QStringLiteral("tmrReferralNotice"));
    EXPECT_EQ(timer->interval(), 65000);
    EXPECT_TRUE(timer->isActive());

    setCount(program, QStringLiteral("INSERT INTO PWO.tbTestCount VALUES (0)"));
    program.fireTimer(QStringLiteral("tmrReferralNotice"));
    EXPECT_FALSE(referralButton(program).highlighted);
    EXPECT_FALSE(referralButton(program).flashing);

    setCount(program, QString());  // no row
    program.fireTimer(QStringLiteral("tmrReferralNotice"));
    EXPECT_FALSE(referralButton(program).highlighted);

    setCount(program, QStringLiteral("INSERT INTO PWO.tbTestCount VALUES (NULL)"));
    program.fireTimer(QStringLiteral("tmrReferralNotice"));
    EXPECT_FALSE(referralButton(program).highlighted);

    setCount(program, QStringLiteral("INSERT INTO PWO.tbTestCount VALUES (3)"));
    program.fireTimer(QStringLiteral("tmrReferralNotice"));
    EXPECT_TRUE(referralButton(program).highlighted);
    EXPECT_TRUE(referralButton(program).flashing);

    setCount(program, QStringLiteral("INSERT INTO PWO.tbTestCount VALUES (0)"));
    program.fireTimer(QStringLiteral("tmrReferralNotice"));
    EXPECT_TRUE(referralButton(program).highlighted);
    EXPECT_TRUE(referralButton(program).flashing);

    int polls = 0;
    for (const TracedStatement &s : program.trace())
        polls += s.text == QLatin1String("PWO..sp_PWO_LoadReferralNoticeCount") ? 1 : 0;
    EXPECT_EQ(polls, 5);
    EXPECT_TRUE(program.prompter().asked().isEmpty());
}

TEST(ReferralPoll, FlashAlternatesRedAndLightYellow)
{
    ProgramUnderTest program;
    program.startAs();
    auto *button = program.mainWindow()->findChild<QToolButton *>(QStringLiteral("btnReferralNotice"));
    program.fireTimer(QStringLiteral("Timer1"));
    EXPECT_TRUE(button->styleSheet().contains(QStringLiteral("#ff0000")));
    program.fireTimer(QStringLiteral("Timer2"));
    EXPECT_TRUE(button->styleSheet().contains(QStringLiteral("#ffff80")));
}

TEST(ReferralPoll, ReloadingTheFrameStartsFromTheBeginning)
{
    ProgramUnderTest program;
    answerCountsFromTestTable(program);
    setCount(program, QStringLiteral("INSERT INTO PWO.tbTestCount VALUES (2)"));
    program.startAs();
    program.fireTimer(QStringLiteral("tmrReferralNotice"));
    ASSERT_TRUE(referralButton(program).flashing);
    program.control<QToolButton>(QStringLiteral("mdiPWO"), QStringLiteral("btnListing"))->click();
    program.settle();
    EXPECT_FALSE(referralButton(program).highlighted);
    EXPECT_FALSE(referralButton(program).flashing);
}

TEST(ErrorPolicy, AFailingStatementIsReportedAndTheProgramKeepsRunning)
{
    ProgramUnderTest program;
    ProcedureRegistry procedures = ProcedureRegistry::standard();
    procedures.add(QStringLiteral("PWO"), QStringLiteral("sp_PWO_LoadReferralNoticeCount"),
                   std::make_unique<SqlProcedure>(QStringLiteral("sp_PWO_LoadReferralNoticeCount"),
                                                  std::vector<SqlProcedure::Parameter>{},
                                                  QStringLiteral("SELECT recCount FROM PWO.tbGone")));
    hospital::dbserver::registerStandInProvider(procedures);
    program.startAs();
    program.fireTimer(QStringLiteral("tmrReferralNotice"));

    ASSERT_EQ(program.prompter().asked().size(), 1);
    const Prompt &asked = program.prompter().asked().first().prompt;
    EXPECT_EQ(asked.text, QStringLiteral("Error 208\n\nInvalid object name 'PWO..tbGone'."));
    EXPECT_EQ(asked.title, programTitle());
    EXPECT_EQ(asked.icon, QMessageBox::Critical);
    ASSERT_NE(program.mainWindow(), nullptr);
    EXPECT_TRUE(program.mainWindow()->isVisible());
    EXPECT_FALSE(program.ended());

    // the next tick runs again: nothing was left half-open
    program.fireTimer(QStringLiteral("tmrReferralNotice"));
    EXPECT_EQ(program.prompter().asked().size(), 2);
}

TEST(ReferralPoll, WaitingReferralsOfTheDemoHospitalAreAnnounced)
{
    ProgramUnderTest program;
    program.startAs();
    program.fireTimer(QStringLiteral("tmrReferralNotice"));
    EXPECT_TRUE(referralButton(program).highlighted);
    EXPECT_TRUE(program.prompter().asked().isEmpty());
}
