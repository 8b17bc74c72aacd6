#include "ScratchDatabase.h"
#include "TestPrinters.h"

#include "hospital/dbserver/ServerErrorNumbers.h"
#include "hospital/dbserver/StandInSession.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include <atomic>
#include <thread>

using namespace pwo;
using hospital::dbserver::StandInSession;
namespace ServerError = hospital::dbserver::ServerError;

namespace {

constexpr int savesPerDesk = 1000;

long number(const BatchResult &result, int column = 0)
{
    return long(result.resultSets.front().value(0, column).toInteger());
}

// One desk: saves a row of its own and the shared tally in one transaction,
// then loads the rows and checks the tally agrees with them.
struct Desk {
    QString name;
    QString folder;
    QStringList problems;

    void work()
    {
        StandInSession session(folder);
        for (int i = 0; i < savesPerDesk; ++i) {
            try {
                session.beginTransaction();
                session.run(QStringLiteral("INSERT INTO PWO..tbTest (Code, Name) VALUES ('%1', '%2')").arg(name).arg(i));
                session.run(QStringLiteral("UPDATE PWO..tbTest SET Amount = Amount + 1 WHERE Code = 'TALLY'"));
                session.commit();
                const BatchResult loaded = session.run(QStringLiteral(
                    "SELECT (SELECT count(*) FROM PWO..tbTest WHERE Code <> 'TALLY'), "
                    "(SELECT Amount FROM PWO..tbTest WHERE Code = 'TALLY')"));
                if (number(loaded, 0) != number(loaded, 1))
                    problems << QStringLiteral("%1 loaded %2 rows and a tally of %3")
                                    .arg(name)
                                    .arg(number(loaded, 0))
                                    .arg(number(loaded, 1));
            } catch (const DatabaseError &error) {
                problems << QStringLiteral("%1 save %2: %3 %4").arg(name).arg(i).arg(error.number()).arg(error.description());
                return;
            }
        }
    }
};

} // namespace

TEST(TwoDesks, SavingAndLoadingTheSameRowsAThousandTimesLosesAndDoublesNothing)
{
    ScratchDatabase db;
    db.sqlite(QStringLiteral("INSERT INTO PWO.tbTest (Code, Amount) VALUES ('TALLY', 0)"));
    Desk first{QStringLiteral("D1"), db.folder(), {}};
    Desk second{QStringLiteral("D2"), db.folder(), {}};
    std::thread other([&] { second.work(); });
    first.work();
    other.join();

    EXPECT_EQ(first.problems, QStringList());
    EXPECT_EQ(second.problems, QStringList());
    StandInSession session(db.folder());
    const BatchResult rows = session.run(QStringLiteral(
        "SELECT Code, count(*), count(DISTINCT Name) FROM PWO..tbTest WHERE Code <> 'TALLY' GROUP BY Code ORDER BY Code;"
        "SELECT Amount FROM PWO..tbTest WHERE Code = 'TALLY'"));
    const ResultSet &perDesk = rows.resultSets.at(0);
    ASSERT_EQ(perDesk.rowCount(), 2u);
    for (size_t desk = 0; desk < 2; ++desk) {
        EXPECT_EQ(perDesk.value(desk, 1).toInteger(), savesPerDesk);
        EXPECT_EQ(perDesk.value(desk, 2).toInteger(), savesPerDesk);
    }
    EXPECT_EQ(rows.resultSets.at(1).value(0, 0).toInteger(), 2 * savesPerDesk);
}

TEST(TwoDesks, TwoTransactionsThatReadThenWriteTheSameRowEndInADeadlockForOne)
{
    ScratchDatabase db;
    db.sqlite(QStringLiteral("INSERT INTO PWO.tbTest (Code, Amount) VALUES ('TALLY', 0)"));
    StandInSession first(db.folder());
    StandInSession second(db.folder());
    const QString read = QStringLiteral("SELECT Amount FROM PWO..tbTest WHERE Code = 'TALLY'");
    const QString write = QStringLiteral("UPDATE PWO..tbTest SET Amount = Amount + 1 WHERE Code = 'TALLY'");
    first.beginTransaction();
    second.beginTransaction();
    first.run(read);
    second.run(read);
    first.run(write);
    try {
        second.run(write);
        ADD_FAILURE() << "both transactions wrote";
    } catch (const DatabaseError &error) {
        EXPECT_EQ(error.number(), ServerError::Deadlock);
    }
    second.rollback();  // what the gateway's callers do; the server has already ended it
    first.commit();
    EXPECT_EQ(number(second.run(read)), 1);
}

TEST(TwoDesks, AWriterHeldUpLongerThanTheLockTimeoutGetsAServerErrorNotAHang)
{
    ScratchDatabase db;
    StandInSession holder(db.folder());
    StandInSession waiter(db.folder());
    holder.beginTransaction();
    holder.run(QStringLiteral("INSERT INTO PWO..tbTest (Code) VALUES ('H')"));
    QElapsedTimer waited;
    waited.start();
    try {
        waiter.run(QStringLiteral("INSERT INTO PWO..tbTest (Code) VALUES ('W')"));
        ADD_FAILURE() << "the write went through while the other desk held the lock";
    } catch (const DatabaseError &error) {
        EXPECT_EQ(error.number(), ServerError::LockTimeout);
        EXPECT_FALSE(error.description().contains(QStringLiteral("locked")));
    }
    EXPECT_LT(waited.elapsed(), 30000);
    EXPECT_EQ(number(waiter.run(QStringLiteral("SELECT count(*) FROM PWO..tbTest"))), 0) << "a reader is not held up";
    holder.commit();
}
