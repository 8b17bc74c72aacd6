#include "ProgramUnderTest.h"
#include "ReportTestSupport.h"
#include "TestPrinters.h"

#include "reports/DefinitionError.h"
#include "reports/DefinitionParser.h"
#include "reports/Report.h"
#include "frame/mdiPWO.h"
#include "core/modGlobals.h"

#include "data/Recordset.h"

#include <QAction>

#include <gtest/gtest.h>

using namespace pwo;
using namespace pwo::reports;

namespace {

// The line the parser refuses a query on (the query starts on line 3), or 0.
int refusedLine(const QString &query, QString *reason = nullptr)
{
    try {
        parseDefinition(QStringLiteral("[report]\n[query]\n") + query + QStringLiteral("\n"), QStringLiteral("R.rpt"));
    } catch (const DefinitionError &error) {
        if (reason)
            *reason = error.reason();
        return error.line();
    }
    return 0;
}

long referrals()
{
    Recordset count;
    count.Open(QStringLiteral("SELECT COUNT(*) [n] FROM PWO..tbPWOReferral"), *globals().Connection, 3, adLockReadOnly);
    return long(count.Fields(QStringLiteral("n")).Value().toNumber());
}

} // namespace

TEST(ReadOnlyQuery, WritingWordsAreRefusedOnTheirLine)
{
    QString reason;
    EXPECT_EQ(refusedLine(QStringLiteral("DELETE FROM PWO..tbPWOReferral"), &reason), 3);
    EXPECT_TRUE(reason.contains(QStringLiteral("DELETE"))) << reason.toStdString();
    EXPECT_EQ(refusedLine(QStringLiteral("UPDATE PWO..tbPWOReferral SET Status = 1")), 3);
    EXPECT_EQ(refusedLine(QStringLiteral("EXEC PWO..sp_PWO_GetEmployeeName 'x'")), 3);
    // T-SQL runs a second statement written straight after the first.
    EXPECT_EQ(refusedLine(QStringLiteral("SELECT a\n  FROM t\nINSERT INTO t VALUES (1)")), 5);
    EXPECT_EQ(refusedLine(QStringLiteral("SELECT a FROM t;\nSELECT b FROM u")), 4);
    EXPECT_EQ(refusedLine(QStringLiteral("SELECT a FROM t\nSELECT b FROM u")), 4);
    EXPECT_EQ(refusedLine(QStringLiteral("WITH x AS (SELECT 1 a)\nDELETE FROM t")), 4);
    EXPECT_EQ(refusedLine(QStringLiteral("SELECT a INTO copy FROM t")), 3);
    EXPECT_EQ(refusedLine(QStringLiteral("PWO..sp_PWO_Purge")), 3);
}

TEST(ReadOnlyQuery, ReadingQueriesPassWithTheirWordsInTextNamesAndComments)
{
    EXPECT_EQ(refusedLine(QStringLiteral("SELECT 'DELETE; UPDATE' [Update], a -- insert later\n"
                                         "  FROM t /* EXEC */ WHERE b = 'O''Brien;'")),
              0);
    EXPECT_EQ(refusedLine(QStringLiteral("WITH x AS (SELECT a FROM t), y AS (SELECT a FROM u)\n"
                                         "SELECT a FROM x UNION ALL SELECT a FROM y;")),
              0);
    EXPECT_EQ(refusedLine(QStringLiteral("SELECT a FROM t WHERE a IN (SELECT b FROM u) EXCEPT SELECT c FROM v")), 0);
}

TEST(ReadOnlyQuery, AWritingDefinitionFromTheMenuIsRefusedAndTheTableStays)
{
    ProgramUnderTest program;
    program.startAs();
    const long before = referrals();
    ASSERT_GT(before, 0);
    ReportFolder folder;
    folder.write(QStringLiteral("ListofGrantees.rpt"),
                 QStringLiteral("[report]\n[query]\nSELECT 1 [x]\n  DELETE FROM PWO..tbPWOReferral\n"));
    program.mainWindow()->menuItem(QStringLiteral("mnuRptListOfGrantees"))->trigger();
    ASSERT_EQ(program.prompter().asked().size(), 1);
    const QString text = program.prompter().asked().front().prompt.text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("The report could not be opened."))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("ListofGrantees.rpt, line 4"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("//"))) << text.toStdString();
    EXPECT_TRUE(program.statementTexts().filter(QStringLiteral("DELETE")).isEmpty());
    EXPECT_EQ(referrals(), before);
    EXPECT_TRUE(openViewers().isEmpty());
}

TEST(ReadOnlyQuery, AStatementThatSlipsPastTheCheckIsRolledBack)
{
    ProgramUnderTest program;
    program.startAs();
    const long before = referrals();
    ReportDefinition d = parseDefinition(QStringLiteral("[report]\n[query]\nSELECT 1 [x]\n"), QStringLiteral("S.rpt"));
    d.report.query = QStringLiteral("DELETE FROM PWO..tbPWOReferral");
    Report report(d);
    try {
        report.render(*globals().Connection, QStringLiteral("ANA"));
    } catch (const std::exception &) {
        // Whether the server answers with rows or refuses, nothing may stay changed.
    }
    EXPECT_FALSE(globals().Connection->inTransaction());
    EXPECT_EQ(referrals(), before);
}
