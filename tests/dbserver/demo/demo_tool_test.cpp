#include "hospital/dbserver/DatabaseSet.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <memory>

using namespace hospital::dbserver;

namespace {

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ToolRun runTool(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(PWO_DEMODB_PATH), arguments);
    if (!process.waitForFinished(120000))
        return {-1, {}, QStringLiteral("pwo-demodb did not finish: ") + process.errorString()};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

long long patientsIn(const QString &folder)
{
    std::unique_ptr<sqlite3, decltype(&sqlite3_close)> db(openDatabaseSet(folder, DatabaseSetMode::OpenExisting),
                                                           &sqlite3_close);
    sqlite3_stmt *statement = nullptr;
    sqlite3_prepare_v2(db.get(), "SELECT count(*) FROM PATIENT_DATA.tbMaster", -1, &statement, nullptr);
    const long long count = sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int64(statement, 0) : -1;
    sqlite3_finalize(statement);
    return count;
}

const QStringList fixedDay{QStringLiteral("--today"), QStringLiteral("2026-03-15")};

} // namespace

TEST(DemoTool, WritesTheFolderAndReportsWhatItWrote)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("demo-db"));
    const ToolRun run = runTool(QStringList{"--patients", "120", "--out", folder} + fixedDay);
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_TRUE(isDatabaseSet(folder));
    EXPECT_TRUE(run.out.contains(QStringLiteral("demo-db"))) << qPrintable(run.out);
    EXPECT_TRUE(run.out.contains(QRegularExpression(QStringLiteral("patients: +120\\n")))) << qPrintable(run.out);
    EXPECT_TRUE(run.out.contains(QStringLiteral("current in-patients:"))) << qPrintable(run.out);
    EXPECT_EQ(patientsIn(folder), 120);
}

TEST(DemoTool, KeepsAnExistingHospitalUnlessForced)
{
    QTemporaryDir dir;
    ASSERT_EQ(runTool(QStringList{"--patients", "100", "--out", dir.path()} + fixedDay).exitCode, 0);

    const ToolRun refused = runTool(QStringList{"--patients", "150", "--out", dir.path()} + fixedDay);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("--force"))) << qPrintable(refused.err);
    EXPECT_EQ(patientsIn(dir.path()), 100);

    const ToolRun forced = runTool(QStringList{"--patients", "150", "--out", dir.path(), "--force"} + fixedDay);
    EXPECT_EQ(forced.exitCode, 0) << qPrintable(forced.err);
    EXPECT_EQ(patientsIn(dir.path()), 150);
}

TEST(DemoTool, RejectsBadArgumentsWithAMessage)
{
    QTemporaryDir dir;
    const QList<QStringList> badRuns{
        {"--patients", "99", "--out", dir.path()},
        {"--patients", "200001", "--out", dir.path()},
        {"--patients", "many", "--out", dir.path()},
        {"--patients", "100"},
        {"--out", dir.path()},
        {"--patients", "100", "--out", dir.path(), "--today", "2026-02-30"},
        {"--patients", "100", "--out", dir.path(), "--today", "15/03/2026"},
        {"--patients", "100", "--out", dir.path(), "--colour", "blue"},
        {"--patients", "100", "--out", dir.path(), "extra"},
        {"--patients", "100", "--out", ""},
    };
    for (const QStringList &arguments : badRuns) {
        const ToolRun run = runTool(arguments);
        EXPECT_EQ(run.exitCode, 1) << qPrintable(arguments.join(QLatin1Char(' ')));
        // the tool's own words, first
        EXPECT_TRUE(run.err.startsWith(QLatin1String("pwo-demodb: "))) << qPrintable(run.err);
    }
    EXPECT_FALSE(isDatabaseSet(dir.path()));
}
