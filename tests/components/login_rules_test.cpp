// The small rules under the login and the registry, without a database.
#include "hospital/components/DisplayName.h"
#include "hospital/components/registry/WholeYears.h"
#include "hospital/components/user/LoginThrottle.h"
#include "hospital/components/user/ServerChoice.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace hospital::components;
using std::chrono::seconds;

TEST(LoginThrottle, TwoRefusalsAreFreeThenEachWaitDoublesUpToTheCap)
{
    LoginThrottle throttle;
    EXPECT_EQ(throttle.refused(), seconds(0));
    EXPECT_EQ(throttle.refused(), seconds(0));
    EXPECT_EQ(throttle.refused(), seconds(2));
    EXPECT_EQ(throttle.refused(), seconds(4));
    EXPECT_EQ(throttle.refused(), seconds(8));
    for (int i = 0; i < 100; ++i)
        EXPECT_LE(throttle.refused(), LoginThrottle::longestWait);
    EXPECT_EQ(throttle.refused(), LoginThrottle::longestWait);
    EXPECT_EQ(throttle.refusalsInRow(), 106);
}

TEST(WholeYears, CountsOnlyCompletedYears)
{
    const QDate born(1990, 6, 15);
    EXPECT_EQ(wholeYearsBetween(born, QDate(2026, 6, 14)), 35);
    EXPECT_EQ(wholeYearsBetween(born, QDate(2026, 6, 15)), 36);
    EXPECT_EQ(wholeYearsBetween(born, QDate(2026, 5, 30)), 35);
    EXPECT_EQ(wholeYearsBetween(born, QDate(2026, 7, 1)), 36);
    EXPECT_EQ(wholeYearsBetween(born, born), 0);
    EXPECT_EQ(wholeYearsBetween(QDate(2025, 12, 31), QDate(2026, 1, 1)), 0);
}

TEST(WholeYears, LeapDayBirthdayComesOnTheFirstOfMarchInOtherYears)
{
    const QDate born(2000, 2, 29);
    EXPECT_EQ(wholeYearsBetween(born, QDate(2025, 2, 28)), 24);
    EXPECT_EQ(wholeYearsBetween(born, QDate(2025, 3, 1)), 25);
    EXPECT_EQ(wholeYearsBetween(born, QDate(2024, 2, 29)), 24);
}

TEST(DisplayName, JoinsFirstAndLastNameWithoutStrayBlanks)
{
    EXPECT_EQ(displayName(QStringLiteral("ANA MARIE"), QStringLiteral("REYES")), QStringLiteral("ANA MARIE REYES"));
    EXPECT_EQ(displayName(QStringLiteral(" JOSE "), QStringLiteral("PEÑA ")), QStringLiteral("JOSE PEÑA"));
    EXPECT_EQ(displayName({}, QStringLiteral("REYES")), QStringLiteral("REYES"));
    EXPECT_EQ(displayName(QStringLiteral("ANA"), {}), QStringLiteral("ANA"));
    EXPECT_EQ(displayName({}, {}), QString());
}

TEST(ServerChoice, OdbcStringGivesServerAndPasswordForReports)
{
    const ServerChoice server =
        ServerChoice::odbc(QStringLiteral(" Driver={FreeTDS};Server=HOSPDB01;Database=PWO;UID=sa;pwd=s3cret "));
    EXPECT_FALSE(server.isStandIn());
    EXPECT_EQ(server.problem(), QString());
    EXPECT_EQ(server.serverName(), QStringLiteral("HOSPDB01"));
    EXPECT_EQ(server.serverPassword(), QStringLiteral("s3cret"));
    EXPECT_EQ(server.connectionString(), QStringLiteral("Driver={FreeTDS};Server=HOSPDB01;Database=PWO;UID=sa;pwd=s3cret"));
}

TEST(ServerChoice, EmptyChoicesNameWhatToFix)
{
    EXPECT_EQ(ServerChoice::odbc(QStringLiteral("  ")).problem(),
              QStringLiteral("Type the ODBC connection string of the server."));
    EXPECT_EQ(ServerChoice::standInFolder(QString()).problem(), QStringLiteral("Choose the database folder."));
    // An empty folder must not quietly become the working folder.
    EXPECT_EQ(ServerChoice::standInFolder(QStringLiteral(" ")).serverName(), QString());
}

TEST(ServerChoice, StandInFolderIsNamedAbsoluteAndHasNoPassword)
{
    QTemporaryDir empty;
    const QString relative = QDir::current().relativeFilePath(empty.path());
    const ServerChoice server = ServerChoice::standInFolder(relative);
    EXPECT_TRUE(server.isStandIn());
    EXPECT_EQ(server.serverName(), QDir(empty.path()).absolutePath());
    EXPECT_EQ(server.serverPassword(), QString());
    EXPECT_TRUE(server.connectionString().contains(QStringLiteral("Data Source=") + QDir(empty.path()).absolutePath()));
    EXPECT_TRUE(server.problem().contains(QStringLiteral("does not hold the hospital databases")));
}
