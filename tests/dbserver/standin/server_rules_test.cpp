#include "ScratchDatabase.h"

#include "hospital/dbserver/TextRules.h"

#include "data/Recordset.h"

#include <gtest/gtest.h>

using namespace pwo;

namespace {
Value scalar(Connection &c, const QString &select)
{
    Recordset rs;
    rs.Open(select, c, 2, adLockReadOnly, -1);
    return rs.Fields(rs.columnNames().first()).Value();
}

long errorOf(Connection &c, const QString &batch)
{
    try {
        c.Execute(batch);
    } catch (const DatabaseError &e) {
        return e.number();
    }
    return 0;
}

int collate(const char *a, const char *b)
{
    return hospital::dbserver::compareHospitalText(a, int(std::strlen(a)), b, int(std::strlen(b)));
}
} // namespace

TEST(ServerRules, TextComparesWithoutCaseAndTrailingBlanks)
{
    EXPECT_EQ(collate("abc", "ABC"), 0);
    EXPECT_EQ(collate("abc  ", "ABC"), 0);
    EXPECT_NE(collate("  abc", "abc"), 0);  // leading blanks count
    EXPECT_EQ(collate("PEÑA", "peña"), 0);
    EXPECT_LT(collate("DELA CRUZ", "dela cruza"), 0);
    EXPECT_LT(collate("PENA", "PEÑA"), 0);
    EXPECT_GT(collate("b", "A"), 0);
}

TEST(ServerRules, ColumnsCompareAndSearchLikeTheServer)
{
    ScratchDatabase db;
    db.sqlite(QStringLiteral("INSERT INTO PWO.tbTest (Code, Name) VALUES ('1', 'PEÑA'), ('2', 'Santos  '), ('3', 'reyes')"));
    Connection &c = db.connection();
    EXPECT_EQ(scalar(c, QStringLiteral("SELECT Code FROM PWO..tbTest WHERE Name = 'peña'")).text(), QStringLiteral("1"));
    EXPECT_EQ(scalar(c, QStringLiteral("SELECT Code FROM PWO..tbTest WHERE Name = 'SANTOS'")).text(), QStringLiteral("2"));
    EXPECT_EQ(scalar(c, QStringLiteral("SELECT Code FROM PWO..tbTest WHERE Name LIKE 'peñ%'")).text(), QStringLiteral("1"));
    EXPECT_EQ(scalar(c, QStringLiteral("SELECT count(*) FROM PWO..tbTest WHERE Name LIKE '_e%'")).toInteger(), 2);
    EXPECT_EQ(scalar(c, QStringLiteral("SELECT Code FROM PWO..tbTest ORDER BY Name DESC")).text(), QStringLiteral("2"));
}

TEST(ServerRules, PlusConcatenatesTextAndAddsNumbers)
{
    ScratchDatabase db;
    Connection &c = db.connection();
    EXPECT_EQ(scalar(c, QStringLiteral("SELECT 'DELA' + ' ' + 'CRUZ'")).text(), QStringLiteral("DELA CRUZ"));
    EXPECT_EQ(scalar(c, QStringLiteral("SELECT 1 + 2 * 3")).toInteger(), 7);
    EXPECT_EQ(scalar(c, QStringLiteral("SELECT '5' + 3")).toInteger(), 8);
    EXPECT_DOUBLE_EQ(scalar(c, QStringLiteral("SELECT 1.5 + 1")).toNumber(), 2.5);
    EXPECT_TRUE(scalar(c, QStringLiteral("SELECT 'a' + NULL")).isNull());
    EXPECT_EQ(errorOf(c, QStringLiteral("SELECT 'abc' + 3")), 245);
}

TEST(ServerRules, ConversionsAndDateFunctions)
{
    ScratchDatabase db;
    db.sqlite(QStringLiteral("INSERT INTO PWO.tbTest (Code, Stamp) VALUES ('D', '2018-08-15 14:05:00')"));
    Connection &c = db.connection();
    const QString from = QStringLiteral(" FROM PWO..tbTest WHERE Code = 'D'");
    EXPECT_EQ(scalar(c, QStringLiteral("SELECT CONVERT(VARCHAR(10), Stamp, 101)") + from).text(), QStringLiteral("08/15/2018"));
    EXPECT_EQ(scalar(c, QStringLiteral("SELECT CONVERT(VARCHAR(10), Stamp, 111)") + from).text(), QStringLiteral("2018/08/15"));
    EXPECT_EQ(scalar(c, QStringLiteral("SELECT CONVERT(VARCHAR(8), Stamp, 108)") + from).text(), QStringLiteral("14:05:00"));
    EXPECT_EQ(scalar(c, QStringLiteral("SELECT cast(Code as varchar(5)) + 'x'") + from).text(), QStringLiteral("Dx"));
    EXPECT_EQ(scalar(c, QStringLiteral("SELECT CONVERT(datetime, '08/15/2018')")).text(), QStringLiteral("2018-08-15 00:00:00"));
    EXPECT_EQ(scalar(c, QStringLiteral("SELECT year(Stamp)") + from).toInteger(), 2018);
    EXPECT_EQ(scalar(c, QStringLiteral("SELECT datediff(day, Stamp, '2018-09-01')") + from).toInteger(), 17);
    EXPECT_EQ(scalar(c, QStringLiteral("SELECT dateadd(month, 1, Stamp)") + from).text(), QStringLiteral("2018-09-15 14:05:00"));
    EXPECT_EQ(scalar(c, QStringLiteral("SELECT left('Santos', 3) + right('Santos', 3)")).text(), QStringLiteral("Santos"));
    EXPECT_EQ(scalar(c, QStringLiteral("SELECT len('abc  ')")).toInteger(), 3);
    EXPECT_EQ(scalar(c, QStringLiteral("SELECT cast('12' as int) + 1")).toInteger(), 13);
    EXPECT_EQ(errorOf(c, QStringLiteral("SELECT CONVERT(datetime, 'soon')")), 241);
    EXPECT_EQ(errorOf(c, QStringLiteral("SELECT cast('x1' as int)")), 245);
}

TEST(ServerRules, StatementsItCannotTranslateAreRefusedWithTheirText)
{
    ScratchDatabase db;
    Connection &c = db.connection();
    const QString statement = QStringLiteral("SELECT soundex(Name) FROM PWO..tbTest");
    try {
        c.Execute(statement);
        FAIL();
    } catch (const DatabaseError &e) {
        EXPECT_EQ(e.number(), 50010);
        EXPECT_TRUE(e.description().contains(statement)) << e.description().toStdString();
    }
    EXPECT_EQ(errorOf(c, QStringLiteral("DROP TABLE PWO..tbTest")), 50010);
    EXPECT_EQ(errorOf(c, QStringLiteral("SELECT * FROM OTHERDB..tbTest")), 50010);
    // the table is still there
    EXPECT_EQ(scalar(c, QStringLiteral("SELECT count(*) FROM PWO..tbTest")).toInteger(), 0);
}

TEST(ServerRules, TwoConnectionsShareTheFolder)
{
    ScratchDatabase db;
    auto other = db.connect();
    other->BeginTrans();
    other->Execute(QStringLiteral("INSERT INTO PWO..tbTest (Code) VALUES ('W')"));
    // not committed yet: the first connection still reads the old state
    EXPECT_EQ(scalar(db.connection(), QStringLiteral("SELECT count(*) FROM PWO..tbTest")).toInteger(), 0);
    other->CommitTrans();
    EXPECT_EQ(scalar(db.connection(), QStringLiteral("SELECT count(*) FROM PWO..tbTest")).toInteger(), 1);
}
