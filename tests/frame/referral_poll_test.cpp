#include "ProgramUnderTest.h"
#include "TestPrinters.h"

#include "hospital/dbserver/ProcedureRegistry.h"
#include "hospital/dbserver/SqlProcedure.h"
#include "hospital/dbserver/StandInProvider.h"

#include "frame/mdiPWO.h"

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
                (frame->findChild<QTimer *>(QStringLiteral("Timer2"))->isActive() ||
                 frame->findChild<QTimer *>(QStringLiteral("tmrFlashPhase"))->isActive())};
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

TEST(ReferralPoll, FlashAlternatesRedAndLightYellowHalfAPeriodApart)
{
    ProgramUnderTest program;
    program.startAs();  // the demo hospital has waiting referrals
    program.fireTimer(QStringLiteral("tmrReferralNotice"));
    const mdiPWO *frame = program.mainWindow();
    auto *button = frame->findChild<QToolButton *>(QStringLiteral("btnReferralNotice"));
    auto *red = frame->findChild<QTimer *>(QStringLiteral("Timer1"));
    auto *yellow = frame->findChild<QTimer *>(QStringLiteral("Timer2"));
    auto *phase = frame->findChild<QTimer *>(QStringLiteral("tmrFlashPhase"));
    ASSERT_TRUE(red->isActive());
    ASSERT_FALSE(yellow->isActive());
    // Timer2 starts half a period after Timer1: red at 15 s, yellow at 22.5 s, red at 30 s ...
    EXPECT_NEAR(phase->remainingTime(), 7500, 1000);
    program.fireTimer(QStringLiteral("tmrFlashPhase"));
    ASSERT_TRUE(yellow->isActive());
    EXPECT_EQ(yellow->interval(), 15000);
    program.fireTimer(QStringLiteral("Timer1"));
    EXPECT_TRUE(button->styleSheet().contains(QStringLiteral("#ff0000")));
    program.fireTimer(QStringLiteral("Timer2"));
    EXPECT_TRUE(button->styleSheet().contains(QStringLiteral("#ffff80")));

    // a later positive count leaves the phase alone
    const int redDue = red->remainingTime();
    const int yellowDue = yellow->remainingTime();
    const int phaseDue = phase->remainingTime();
    program.fireTimer(QStringLiteral("tmrReferralNotice"));
    EXPECT_LE(red->remainingTime(), redDue);
    EXPECT_LE(yellow->remainingTime(), yellowDue);
    EXPECT_LE(phase->remainingTime(), phaseDue);
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

    // a tick while its box is still open runs nothing; the one after it does
    const auto pollsSent = [&program] {
        return program.statementTexts().count(QStringLiteral("PWO..sp_PWO_LoadReferralNoticeCount"));
    };
    const qsizetype before = pollsSent();
    program.prompter().whileNextBoxIsOpen([&program] { program.fireTimer(QStringLiteral("tmrReferralNotice")); });
    program.fireTimer(QStringLiteral("tmrReferralNotice"));
    EXPECT_EQ(pollsSent(), before + 1);
    EXPECT_EQ(program.prompter().asked().size(), 3);
    program.fireTimer(QStringLiteral("tmrReferralNotice"));
    EXPECT_EQ(pollsSent(), before + 2);
}

TEST(ReferralPoll, WaitingReferralsOfTheDemoHospitalAreAnnounced)
{
    ProgramUnderTest program;
    program.startAs();
    program.fireTimer(QStringLiteral("tmrReferralNotice"));
    EXPECT_TRUE(referralButton(program).highlighted);
    EXPECT_TRUE(program.prompter().asked().isEmpty());
}
