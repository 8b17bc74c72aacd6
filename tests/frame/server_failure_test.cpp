#include "ProgramUnderTest.h"
#include "TestPrinters.h"

#include "data/Connection.h"
#include "hospital/dbserver/ServerFaults.h"

#include "frame/mdiPWO.h"
#include "core/modGlobals.h"

#include <gtest/gtest.h>

using namespace pwo;

namespace {
const QString referralCount = QStringLiteral("sp_PWO_LoadReferralNoticeCount");

long timesSent(const ProgramUnderTest &program, const QString &what)
{
    return long(program.statementTexts().filter(what).size());
}

// Fires the referral poll again from inside every box, as the real timer
// would while a box waits for its OK.
class RefiringPrompter : public Prompter {
public:
    explicit RefiringPrompter(ProgramUnderTest &program) : program_(program) {}
    QMessageBox::StandardButton ask(const Prompt &prompt) override
    {
        texts << prompt.text;
        if (texts.size() < 5)
            program_.fireTimer(QStringLiteral("tmrReferralNotice"));
        return QMessageBox::Ok;
    }
    QString input(const QString &, const QString &, const QString &defaultText) override { return defaultText; }
    QStringList texts;

private:
    ProgramUnderTest &program_;
};
} // namespace

TEST(ServerFailure, AFailedStatementIsShownOnceAndTheProgramGoesOn)
{
    ProgramUnderTest program;
    program.startAs();
    program.prompter().clear();

    program.failNextStatementMatching(referralCount, 1205, QStringLiteral("chosen as the deadlock victim"));
    program.fireTimer(QStringLiteral("tmrReferralNotice"));
    EXPECT_EQ(program.prompter().texts(), QStringList{QStringLiteral("Error 1205\n\nchosen as the deadlock victim")});
    EXPECT_FALSE(program.ended());
    ASSERT_NE(program.mainWindow(), nullptr);

    program.fireTimer(QStringLiteral("tmrReferralNotice"));
    EXPECT_EQ(program.prompter().asked().size(), 1);
    EXPECT_EQ(timesSent(program, referralCount), 2);
}

TEST(ServerFailure, ALostConnectionIsSaidOnceAndTheSameLoginConnectsAgainWhenTheServerIsBack)
{
    ProgramUnderTest program;
    program.startAs();
    program.prompter().clear();
    auto &faults = hospital::dbserver::ServerFaults::instance();

    program.dropConnectionAt(referralCount);
    program.fireTimer(QStringLiteral("tmrReferralNotice"));
    ASSERT_EQ(program.prompter().asked().size(), 1);
    EXPECT_TRUE(program.prompter().texts().front().contains(QStringLiteral("connection to the database server was lost")));
    EXPECT_TRUE(globals().Connection->connectionLost());

    faults.setServerDown(true);
    program.fireTimer(QStringLiteral("tmrReferralNotice"));
    EXPECT_EQ(program.prompter().asked().size(), 2);
    EXPECT_TRUE(program.prompter().texts().back().contains(QStringLiteral("connection to the database server was lost")));

    faults.setServerDown(false);
    program.fireTimer(QStringLiteral("tmrReferralNotice"));
    EXPECT_EQ(program.prompter().asked().size(), 2);  // no box, and no login dialog (none is scripted)
    EXPECT_FALSE(globals().Connection->connectionLost());
    EXPECT_FALSE(program.ended());
}

TEST(ServerFailure, TimersFiringBehindTheLostConnectionBoxDoNotStackMoreBoxes)
{
    ProgramUnderTest program;
    program.startAs();
    RefiringPrompter prompter(program);
    Prompter::install(&prompter);
    hospital::dbserver::ServerFaults::instance().setServerDown(true);

    program.dropConnectionAt(referralCount);
    program.fireTimer(QStringLiteral("tmrReferralNotice"));
    EXPECT_EQ(prompter.texts.size(), 1);
    hospital::dbserver::ServerFaults::instance().setServerDown(false);
}
