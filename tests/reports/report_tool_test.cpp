#include "FolderSql.h"
#include "ReportTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ToolRun run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(240000))
        return {-1, {}, program + QStringLiteral(" did not finish: ") + process.errorString()};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

ToolRun report(const QStringList &arguments)
{
    return run(QStringLiteral(PWO_REPORT_PATH), arguments);
}

QString shipped(const QString &name)
{
    return QDir(QStringLiteral(PWO_REPORTS_SOURCE)).filePath(name);
}

// One demo hospital for the whole program: 20 000 patients fill the lists.
class ReportTool : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder_ = new QTemporaryDir;
        const ToolRun made = run(QStringLiteral(PWO_DEMODB_PATH),
                                 {QStringLiteral("--patients"), QStringLiteral("20000"), QStringLiteral("--out"),
                                  folder_->filePath(QStringLiteral("db")), QStringLiteral("--today"),
                                  QStringLiteral("2026-11-30")});
        ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
        // Amounts ten times the demo's make the list's totals wider than their column.
        runSqliteOnFolder(db(), QStringLiteral("UPDATE PWO.tbPWOAssessment SET NC = NC * 10"));
    }
    static void TearDownTestSuite()
    {
        delete folder_;
        folder_ = nullptr;
    }
    static QString db() { return folder_->filePath(QStringLiteral("db")); }
    static QString out(const QString &name) { return folder_->filePath(name); }

private:
    static QTemporaryDir *folder_;
};

QTemporaryDir *ReportTool::folder_ = nullptr;

} // namespace

TEST_F(ReportTool, AValueCountThatDoesNotMatchIsRefusedNamingTheParameters)
{
    const QString pdf = out(QStringLiteral("short.pdf"));
    const ToolRun one = report({QStringLiteral("--db"), db(), QStringLiteral("--out"), pdf,
                                shipped(QStringLiteral("ListofAssessment.rpt")), QStringLiteral("11/01/2026")});
    EXPECT_EQ(one.exitCode, 1);
    EXPECT_TRUE(one.err.contains(QStringLiteral("2 value(s): startDate, endDate; 1 given"))) << one.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(pdf));
    const ToolRun three = report({QStringLiteral("--db"), db(), QStringLiteral("--out"), pdf,
                                  shipped(QStringLiteral("ListofAssessment.rpt")), QStringLiteral("11/01/2026"),
                                  QStringLiteral("11/30/2026"), QStringLiteral("extra")});
    EXPECT_EQ(three.exitCode, 1);
    EXPECT_TRUE(three.err.contains(QStringLiteral("3 given"))) << three.err.toStdString();
}

TEST_F(ReportTool, ALongListPrintsEveryNumberAndIdentifierWhole)
{
    const QString pdf = out(QStringLiteral("assessments.pdf"));
    const ToolRun made = report({QStringLiteral("--db"), db(), QStringLiteral("--out"), pdf,
                                 shipped(QStringLiteral("ListofAssessment.rpt")), QStringLiteral("01/01/2000"),
                                 QStringLiteral("12/31/2030")});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    const QString text = pdfText(pdf);
    EXPECT_FALSE(text.contains(QChar(0x2026))) << "a text was cut";
    EXPECT_TRUE(text.contains(QStringLiteral("Total assessments")));
    // The grand total of the counterparts, digits and cents together.
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Total assessments\\s+\\d{1,3}(,\\d{3})+\\.\\d\\d"))))
        << text.right(400).toStdString();
}
