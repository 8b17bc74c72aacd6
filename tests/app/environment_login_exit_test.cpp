// pwo started with the environment's login, as a script or a training set-up
// starts it: a refused login must show in the exit status.
#include "DemoDatabase.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ProgramRun {
    int exitCode;
    QString said;
};

ProgramRun runWithLogin(const QString &folder, const QString &user, const QString &password)
{
    QProcess pwo;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("PWO_SERVER"), folder);
    environment.insert(QStringLiteral("PWO_USER"), user);
    environment.insert(QStringLiteral("PWO_PASSWORD"), password);
    pwo.setProcessEnvironment(environment);
    pwo.start(QStringLiteral(PWO_PROGRAM), {});
    if (!pwo.waitForFinished(60000)) {
        pwo.kill();
        pwo.waitForFinished();
        ADD_FAILURE() << "pwo did not end";
    }
    return {pwo.exitStatus() == QProcess::NormalExit ? pwo.exitCode() : -1,
            QString::fromLocal8Bit(pwo.readAllStandardError())};
}

} // namespace

TEST(EnvironmentLogin, ARefusedOrFailedLoginEndsWithAFailureStatusAndSaysWhy)
{
    DemoDatabase database;
    QTemporaryDir missing;
    const QString nowhere = QDir(missing.path()).filePath(QStringLiteral("none"));

    QTemporaryDir damaged;
    for (const char *name : {"PATIENT_DATA", "BILLING", "BUILD_FILE", "RADIOLOGY", "PWO"}) {
        QFile file(QDir(damaged.path()).filePath(QString::fromLatin1(name) + QStringLiteral(".sqlite")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
    }

    const struct {
        QString folder, user, password, why;
    } cases[] = {
        {nowhere, QStringLiteral("demo"), QStringLiteral("demo"), QStringLiteral("refused")},
        {database.folder(), QStringLiteral("demo"), QStringLiteral("wrong"), QStringLiteral("password is wrong")},
        {database.folder(), QStringLiteral("nurse"), QStringLiteral("nurse"), QStringLiteral("department PWO")},
        {damaged.path(), QStringLiteral("demo"), QStringLiteral("demo"), QStringLiteral("is not a database")},
    };
    for (const auto &c : cases) {
        const ProgramRun run = runWithLogin(c.folder, c.user, c.password);
        EXPECT_EQ(run.exitCode, 1) << c.folder.toStdString() << " " << c.user.toStdString();
        EXPECT_TRUE(run.said.contains(c.why)) << run.said.toStdString();
    }
}
