#include "ScratchDatabase.h"
#include "TestPrinters.h"

#include "data/Recordset.h"
#include "hospital/dbserver/ServerErrorNumbers.h"
#include "hospital/dbserver/ServerFaults.h"

#include <gtest/gtest.h>

#include <optional>

using namespace pwo;
using hospital::dbserver::ServerFaults;
namespace ServerError = hospital::dbserver::ServerError;

namespace {

struct ClearFaults {
    ~ClearFaults() { ServerFaults::instance().clear(); }
};

// One save of several statements, as a desk does it: inside a transaction,
// change a row through the record set and add one; on any failure roll back.
// Statements of a fresh session: 1 begin, 2 select, 3 update, 4 insert, 5 commit.
constexpr int saveStatements = 5;

std::optional<DatabaseError> save(Connection &connection)
{
    try {
        connection.BeginTrans();
        Recordset rows;
        rows.Open(QStringLiteral("SELECT Code, Name, Amount FROM PWO..tbTest WHERE Code = 'A'"), connection, 2,
                  adLockOptimistic, -1);
        rows.Fields(QStringLiteral("Amount")).setValue(Value(250.0));
        rows.Update();
        rows.AddNew();
        rows.Fields(QStringLiteral("Code")).setValue(Value(QStringLiteral("B")));
        rows.Fields(QStringLiteral("Name")).setValue(Value(QStringLiteral("second")));
        rows.Update();
        connection.CommitTrans();
        return std::nullopt;
    } catch (const DatabaseError &error) {
        if (connection.inTransaction())
            connection.RollbackTrans();
        return error;
    }
}

QString tableText(Connection &connection)
{
    Recordset rows;
    rows.Open(QStringLiteral("SELECT Code, Amount FROM PWO..tbTest ORDER BY Code"), connection, 2, adLockReadOnly, -1);
    QStringList lines;
    for (; !rows.Eof(); rows.MoveNext())
        lines << rows.value(QStringLiteral("Code")).text() + QLatin1Char('=') + rows.value(QStringLiteral("Amount")).text();
    return lines.join(QLatin1Char(' '));
}

class ServerFault : public ::testing::Test {
protected:
    ServerFault() { db.sqlite(QStringLiteral("INSERT INTO PWO.tbTest (Code, Name, Amount) VALUES ('A', 'first', 100)")); }
    ClearFaults clearFaults;
    ScratchDatabase db;
    const QString before = QStringLiteral("A=100");
    const QString saved = QStringLiteral("A=250 B=");
};

} // namespace

TEST_F(ServerFault, AFailureAtAnyStatementOfASaveLeavesNothingHalfSaved)
{
    for (int failing = 1; failing <= saveStatements; ++failing) {
        SCOPED_TRACE(failing);
        auto desk = db.connect();
        ServerFaults::instance().failStatement(failing, ServerError::Deadlock, QStringLiteral("injected"));
        const auto error = save(*desk);
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->number(), ServerError::Deadlock);
        EXPECT_EQ(error->description(), QStringLiteral("injected"));
        EXPECT_EQ(desk->Errors().front().number, ServerError::Deadlock);
        EXPECT_FALSE(desk->inTransaction());
        EXPECT_EQ(tableText(*desk), before);
    }
    auto desk = db.connect();
    EXPECT_FALSE(save(*desk).has_value());
    EXPECT_EQ(tableText(*desk), saved);
}

TEST_F(ServerFault, AConnectionLostAtAnyStatementOfASaveLeavesNothingAndTheRetrySavesOnce)
{
    const QStringList statements{QStringLiteral("^BEGIN TRANSACTION$"), QStringLiteral("^SELECT"),
                                 QStringLiteral("^UPDATE"), QStringLiteral("^INSERT"),
                                 QStringLiteral("^COMMIT TRANSACTION$")};
    ASSERT_EQ(statements.size(), saveStatements);
    for (const QString &at : statements) {
        SCOPED_TRACE(at.toStdString());
        db.sqlite(QStringLiteral("DELETE FROM PWO.tbTest WHERE Code <> 'A'; UPDATE PWO.tbTest SET Amount = 100"));
        auto desk = db.connect();
        ServerFaults::instance().dropConnectionAt(at);
        const auto error = save(*desk);
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->number(), GatewayError::ConnectionLost);
        EXPECT_EQ(error->errors().back().number, ServerError::ConnectionLost);
        EXPECT_TRUE(desk->connectionLost());
        EXPECT_EQ(tableText(*db.connect()), before);

        EXPECT_FALSE(save(*desk).has_value()) << "the same connection connects again";
        EXPECT_EQ(tableText(*desk), saved);
    }
}

TEST_F(ServerFault, InsideALostTransactionNothingMoreIsSentUntilItIsRolledBack)
{
    Connection &desk = db.connection();
    desk.BeginTrans();
    desk.Execute(QStringLiteral("UPDATE PWO..tbTest SET Amount = 1"));
    ServerFaults::instance().dropConnectionAt(QStringLiteral("Amount = 2"));
    EXPECT_THROW(desk.Execute(QStringLiteral("UPDATE PWO..tbTest SET Amount = 2")), DatabaseError);

    const auto sentBefore = StatementTrace::instance().statements().size();
    try {
        desk.Execute(QStringLiteral("UPDATE PWO..tbTest SET Amount = 3"));
        ADD_FAILURE() << "a statement of the lost transaction went through";
    } catch (const DatabaseError &error) {
        EXPECT_EQ(error.number(), GatewayError::ConnectionLost);
    }
    EXPECT_THROW(desk.CommitTrans(), DatabaseError);
    EXPECT_EQ(StatementTrace::instance().statements().size(), sentBefore);
    desk.RollbackTrans();
    EXPECT_EQ(tableText(desk), before);
}

TEST_F(ServerFault, AReconnectionKeepsTheDefaultDatabaseAndFailsClearlyWhileTheServerIsDown)
{
    Connection &desk = db.connection();
    desk.setDefaultDatabase(QStringLiteral("PATIENT_DATA"));
    ServerFaults::instance().dropConnectionAt(QStringLiteral("tbHospitalInfo"));
    ServerFaults::instance().setServerDown(true);
    const QString read = QStringLiteral("SELECT count(*) AS n FROM tbHospitalInfo");
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            desk.Execute(read);
            ADD_FAILURE() << "the statement went through while the server was down";
        } catch (const DatabaseError &error) {
            EXPECT_EQ(error.number(), GatewayError::ConnectionLost);
            EXPECT_TRUE(error.description().contains(QStringLiteral("connection to the database server was lost")));
        }
    }
    ServerFaults::instance().setServerDown(false);
    Recordset rows;
    rows.Open(read, desk, 2, adLockReadOnly, -1);
    EXPECT_EQ(desk.DefaultDatabase(), QStringLiteral("PATIENT_DATA"));
    EXPECT_FALSE(desk.connectionLost());
}

TEST_F(ServerFault, TheNextStatementMatchingAPatternFailsOnceWithTheChosenError)
{
    Connection &desk = db.connection();
    ServerFaults::instance().failNextMatching(QStringLiteral("from pwo\\.\\.tbtest"), ServerError::LockTimeout,
                                              QStringLiteral("Lock request time out period exceeded."));
    desk.Execute(QStringLiteral("SELECT 1"));
    try {
        desk.Execute(QStringLiteral("SELECT * FROM PWO..tbTest"));
        ADD_FAILURE() << "the matching statement did not fail";
    } catch (const DatabaseError &error) {
        EXPECT_EQ(error.number(), ServerError::LockTimeout);
        EXPECT_EQ(error.description(), QStringLiteral("Lock request time out period exceeded."));
    }
    EXPECT_NO_THROW(desk.Execute(QStringLiteral("SELECT * FROM PWO..tbTest")));
}
