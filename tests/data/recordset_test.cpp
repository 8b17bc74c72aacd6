#include "ScratchDatabase.h"

#include "data/Recordset.h"
#include "data/SqlText.h"

#include <gtest/gtest.h>

using namespace pwo;

namespace {
long countRows(Connection &connection, const QString &where = {})
{
    Recordset rs;
    rs.Open(QStringLiteral("SELECT count(*) AS n FROM PWO..tbTest ") + where, connection, 2, adLockReadOnly, -1);
    return long(rs.Fields(QStringLiteral("n")).Value().toInteger());
}
} // namespace

TEST(Recordset, QuotedValuesAreStoredVerbatimAndNothingElseRuns)
{
    ScratchDatabase db;
    db.sqlite(QStringLiteral("INSERT INTO PWO.tbTest (Code, Name) VALUES ('K', 'keep me')"));
    const QString hostile = QStringLiteral("x'; DELETE FROM PWO..tbTest; --");
    for (const QString &name : {QStringLiteral("O'Brien"), hostile})
        db.connection().Execute(QStringLiteral("INSERT INTO PWO..tbTest (Code, Name) VALUES ('Q', ") + sql::quoted(name) + ")");

    Recordset rs;
    rs.Open(QStringLiteral("SELECT Name FROM PWO..tbTest WHERE Code = 'Q' ORDER BY Name"), db.connection(), 2, 1, -1);
    ASSERT_EQ(rs.RecordCount(), 2);
    EXPECT_EQ(rs.Fields(QStringLiteral("name")).Value().text(), QStringLiteral("O'Brien"));
    rs.MoveNext();
    EXPECT_EQ(rs.Fields(QStringLiteral("NAME")).Value().text(), hostile);
    EXPECT_EQ(countRows(db.connection(), QStringLiteral("WHERE Code = 'K'")), 1);
}

TEST(Recordset, EmptyResultHasBothEndsTrue)
{
    ScratchDatabase db;
    Recordset rs;
    rs.Open(QStringLiteral("SELECT * FROM PWO..tbTest WHERE Code = 'none'"), db.connection(), 2, 1, -1);
    EXPECT_EQ(rs.State(), adStateOpen);
    EXPECT_EQ(rs.RecordCount(), 0);
    EXPECT_TRUE(rs.Eof());
    EXPECT_TRUE(rs.Bof());
    EXPECT_EQ(rs.columnNames().size(), 4);
    EXPECT_THROW(rs.Fields(QStringLiteral("Code")).Value(), DatabaseError);
    EXPECT_THROW(rs.MoveNext(), DatabaseError);
}

TEST(Recordset, StatementWithoutResultGivesAnEmptyOpenRecordset)
{
    ScratchDatabase db;
    Recordset rs;
    rs.Open(QStringLiteral("DELETE FROM PWO..tbTest WHERE Code = 'none'"), db.connection(), 2, 1, -1);
    EXPECT_EQ(rs.State(), adStateOpen);
    EXPECT_EQ(rs.RecordCount(), 0);
    EXPECT_TRUE(rs.Eof());
    rs.Close();
    EXPECT_EQ(rs.State(), adStateClosed);
    EXPECT_THROW(rs.RecordCount(), DatabaseError);
}

TEST(Recordset, NullAndEmptyStayDistinctThroughTheServer)
{
    ScratchDatabase db;
    db.sqlite(QStringLiteral("INSERT INTO PWO.tbTest (Code, Name) VALUES ('N', NULL), ('E', '')"));
    Recordset rs;
    rs.Open(QStringLiteral("SELECT Code, Name, isnull(Name, '') [Cleaned] FROM PWO..tbTest ORDER BY Code"),
            db.connection(), 2, 1, -1);
    ASSERT_EQ(rs.RecordCount(), 2);
    EXPECT_FALSE(rs.Fields(QStringLiteral("Name")).Value().isNull());  // 'E'
    rs.MoveNext();
    EXPECT_TRUE(rs.Fields(QStringLiteral("Name")).Value().isNull());  // 'N'
    EXPECT_EQ(rs.Fields(QStringLiteral("Name")).Value().text(), QString());
    EXPECT_FALSE(rs.Fields(QStringLiteral("Cleaned")).Value().isNull());
}

TEST(Recordset, MissingColumnNamesTheColumn)
{
    ScratchDatabase db;
    db.sqlite(QStringLiteral("INSERT INTO PWO.tbTest (Code) VALUES ('A')"));
    Recordset rs;
    rs.Open(QStringLiteral("SELECT Code FROM PWO..tbTest"), db.connection(), 2, 1, -1);
    try {
        rs.Fields(QStringLiteral("Nope"));
        FAIL();
    } catch (const DatabaseError &e) {
        EXPECT_EQ(e.number(), GatewayError::ItemNotFound);
        EXPECT_TRUE(e.description().contains(QStringLiteral("Nope")));
    }
}

TEST(Recordset, AddNewAndUpdateRoundTrip)
{
    ScratchDatabase db;
    StatementTrace::instance().clear();
    Recordset rs;
    rs.Open(QStringLiteral("SELECT * FROM PWO..tbTest WHERE Code = 'R1'"), db.connection(), 2, adLockOptimistic, -1);
    ASSERT_TRUE(rs.Eof());
    rs.AddNew();
    rs.Fields(QStringLiteral("Code")).setValue(Value(QStringLiteral("R1")));
    rs.Fields(QStringLiteral("Name")).setValue(Value(QStringLiteral("Dela Peña")));
    rs.Fields(QStringLiteral("Amount")).setValue(Value(1234.5));
    rs.Update();
    EXPECT_EQ(StatementTrace::instance().texts().last(),
              QStringLiteral("INSERT INTO PWO..tbTest (Code, Name, Amount) VALUES ('R1', 'Dela Peña', 1234.5)"));
    rs.Close();

    rs.Open(QStringLiteral("SELECT * FROM PWO..tbTest WHERE Code = 'R1'"), db.connection(), 2, adLockOptimistic, -1);
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.Fields(QStringLiteral("Name")).Value().text(), QStringLiteral("Dela Peña"));
    EXPECT_TRUE(rs.Fields(QStringLiteral("Stamp")).Value().isNull());
    rs.Fields(QStringLiteral("Name")).setValue(Value(QStringLiteral("O'Brien")));
    rs.Update();
    EXPECT_EQ(StatementTrace::instance().texts().last(),
              QStringLiteral("UPDATE PWO..tbTest SET Name = 'O''Brien' WHERE Code = 'R1' AND Name = 'Dela Peña' AND "
                             "Amount = 1234.5 AND Stamp IS NULL"));
    rs.Close();

    rs.Open(QStringLiteral("SELECT Name FROM PWO..tbTest WHERE Code = 'R1'"), db.connection(), 2, 1, -1);
    EXPECT_EQ(rs.Fields(QStringLiteral("Name")).Value().text(), QStringLiteral("O'Brien"));
}

TEST(Recordset, AliasedTableTakesNewRowsAndChanges)
{
    ScratchDatabase db;
    const QString query = QStringLiteral(" SELECT a.* FROM PWO..tbTest a  where a.Code = 'A1'");
    Recordset rs;
    rs.Open(query, db.connection(), 2, adLockOptimistic, -1);
    rs.AddNew();
    rs.Fields(QStringLiteral("Code")).setValue(Value(QStringLiteral("A1")));
    rs.Update();
    rs.Close();
    rs.Open(query, db.connection(), 2, adLockOptimistic, -1);
    ASSERT_EQ(rs.RecordCount(), 1);
    rs.Fields(QStringLiteral("Name")).setValue(Value(QStringLiteral("changed")));
    rs.Update();
    EXPECT_EQ(countRows(db.connection(), QStringLiteral("WHERE Name = 'changed'")), 1);

    Recordset joined;
    joined.Open(QStringLiteral("SELECT a.* FROM PWO..tbTest a join PWO..tbTest b on a.Code = b.Code"), db.connection(), 2,
                adLockOptimistic, -1);
    joined.Fields(QStringLiteral("Name")).setValue(Value(QStringLiteral("x")));
    EXPECT_THROW(joined.Update(), DatabaseError);
}

TEST(Recordset, OptimisticUpdateRefusesARowChangedMeanwhile)
{
    ScratchDatabase db;
    db.sqlite(QStringLiteral("INSERT INTO PWO.tbTest (Code, Name) VALUES ('C', 'first')"));
    Recordset rs;
    rs.Open(QStringLiteral("SELECT * FROM PWO..tbTest WHERE Code = 'C'"), db.connection(), 2, adLockOptimistic, -1);
    auto other = db.connect();
    other->Execute(QStringLiteral("UPDATE PWO..tbTest SET Name = 'someone else' WHERE Code = 'C'"));

    rs.Fields(QStringLiteral("Name")).setValue(Value(QStringLiteral("mine")));
    try {
        rs.Update();
        FAIL() << "the changed row was overwritten";
    } catch (const DatabaseError &e) {
        EXPECT_EQ(e.number(), GatewayError::RowNotLocated);
    }
    Recordset check;
    check.Open(QStringLiteral("SELECT Name FROM PWO..tbTest WHERE Code = 'C'"), db.connection(), 2, 1, -1);
    EXPECT_EQ(check.Fields(QStringLiteral("Name")).Value().text(), QStringLiteral("someone else"));
}

TEST(Recordset, ReadOnlyRecordsetRefusesChanges)
{
    ScratchDatabase db;
    db.sqlite(QStringLiteral("INSERT INTO PWO.tbTest (Code) VALUES ('A')"));
    Recordset rs;
    rs.Open(QStringLiteral("SELECT * FROM PWO..tbTest"), db.connection(), 2, adLockReadOnly, -1);
    EXPECT_THROW(rs.AddNew(), DatabaseError);
    EXPECT_THROW(rs.Fields(QStringLiteral("Name")).setValue(Value(QStringLiteral("x"))), DatabaseError);
}

TEST(Recordset, FailedInsertLeavesNoPhantomRow)
{
    ScratchDatabase db;
    Recordset rs;
    rs.Open(QStringLiteral("SELECT IdNum, HospNum FROM PATIENT_DATA..tbPatient2 WHERE IdNum = '1'"), db.connection(), 2,
            adLockOptimistic, -1);
    rs.AddNew();
    rs.Fields(QStringLiteral("IdNum")).setValue(Value(QStringLiteral("1")));  // HospNum and AdmDate are required
    EXPECT_THROW(rs.Update(), DatabaseError);
    EXPECT_EQ(rs.RecordCount(), 0);
    EXPECT_EQ(db.connection().Errors().front().number, 515);
}

TEST(Connection, RolledBackTransactionLeavesNothing)
{
    ScratchDatabase db;
    Connection &c = db.connection();
    c.BeginTrans();
    c.Execute(QStringLiteral("INSERT INTO PWO..tbTest (Code) VALUES ('T1')"));
    c.Execute(QStringLiteral("INSERT INTO PWO..tbTest (Code) VALUES ('T2')"));
    c.RollbackTrans();
    EXPECT_EQ(countRows(c), 0);

    c.BeginTrans();
    c.Execute(QStringLiteral("INSERT INTO PWO..tbTest (Code) VALUES ('T3')"));
    c.CommitTrans();
    EXPECT_EQ(countRows(c), 1);
}

TEST(Connection, TransactionMisuseIsReportedAndHarmless)
{
    ScratchDatabase db;
    Connection &c = db.connection();
    EXPECT_THROW(c.CommitTrans(), DatabaseError);
    EXPECT_EQ(c.Errors().front().number, GatewayError::TransactionState);
    EXPECT_THROW(c.RollbackTrans(), DatabaseError);
    c.BeginTrans();
    c.Execute(QStringLiteral("INSERT INTO PWO..tbTest (Code) VALUES ('T1')"));
    EXPECT_THROW(c.BeginTrans(), DatabaseError);
    EXPECT_TRUE(c.inTransaction());  // the first one is still there to finish
    c.CommitTrans();
    EXPECT_EQ(countRows(c), 1);
}

TEST(Connection, ServerErrorsFillTheCollectionUntilTheNextStatement)
{
    ScratchDatabase db;
    Connection &c = db.connection();
    try {
        c.Execute(QStringLiteral("SELECT * FROM PWO..tbMissing"));
        FAIL();
    } catch (const DatabaseError &e) {
        EXPECT_EQ(e.number(), 208);
        EXPECT_EQ(e.description(), QStringLiteral("Invalid object name 'PWO..tbMissing'."));
    }
    ASSERT_EQ(c.Errors().size(), 1u);
    EXPECT_EQ(c.Errors().front().number, 208);
    c.Execute(QStringLiteral("SELECT 1"));
    EXPECT_TRUE(c.Errors().empty());
}

TEST(Connection, ClosedConnectionRefusesStatements)
{
    ScratchDatabase db;
    Connection &c = db.connection();
    c.Close();
    EXPECT_EQ(c.State(), adStateClosed);
    EXPECT_THROW(c.Execute(QStringLiteral("SELECT 1")), DatabaseError);
    c.Open(c.ConnectionString());
    EXPECT_EQ(c.State(), adStateOpen);
}

TEST(Connection, UnknownProviderIsAnError)
{
    Connection c;
    EXPECT_THROW(c.Open(QStringLiteral("Provider=Nothing.Here;Data Source=x")), DatabaseError);
    EXPECT_EQ(c.Errors().front().number, GatewayError::ProviderNotFound);
    EXPECT_EQ(c.State(), adStateClosed);
}

TEST(Connection, TraceRecordsEveryStatementWithHowItWasSent)
{
    ScratchDatabase db;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("trace.log"));
    StatementTrace &trace = StatementTrace::instance();
    trace.clear();
    trace.writeTo(file);
    Recordset rs;
    rs.Open(QStringLiteral("SELECT 1 AS one"), db.connection(), 2, 3, -1);
    db.connection().BeginTrans();
    db.connection().Execute(QStringLiteral("DELETE FROM PWO..tbTest\nWHERE Code = 'x'"));
    db.connection().CommitTrans();
    trace.writeTo(QString());

    ASSERT_EQ(trace.statements().size(), 4u);
    EXPECT_EQ(trace.statements()[0].kind, TracedStatement::Kind::Open);
    EXPECT_EQ(trace.statements()[0].cursorType, 2);
    EXPECT_EQ(trace.statements()[0].lockType, 3);
    EXPECT_EQ(trace.statements()[1].kind, TracedStatement::Kind::BeginTrans);
    EXPECT_EQ(trace.texts(), (QStringList{QStringLiteral("SELECT 1 AS one"), QStringLiteral("DELETE FROM PWO..tbTest\nWHERE Code = 'x'")}));

    QFile log(file);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("open\tcursor=2\tlock=3\toptions=-1\tSELECT 1 AS one")));
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral("DELETE FROM PWO..tbTest\\nWHERE Code = 'x'")));
}
