#include "TranslatorTestSupport.h"

#include <gtest/gtest.h>

using namespace hospital::dbserver;
using hospital::dbserver::testing::sqliteOf;

namespace {

TEST(Insert, ValuesWithColumnList)
{
    EXPECT_EQ(sqliteOf(QStringLiteral("INSERT INTO PWO..tbX (a, [b c]) VALUES ('x', 1 + 2)")),
              QStringLiteral("INSERT INTO PWO.tbX (a, \"b c\") VALUES ('x', tsql_add(1, 2))"));
}

TEST(Insert, WithoutIntoAndSeveralRows)
{
    EXPECT_EQ(sqliteOf(QStringLiteral("insert PWO.dbo.tbX values ('a', NULL), (N'b', -1)")),
              QStringLiteral("INSERT INTO PWO.tbX VALUES ('a', NULL), ('b', -1)"));
}

TEST(Insert, FromASelect)
{
    EXPECT_EQ(sqliteOf(QStringLiteral("insert into t (a) select top 3 b from Billing..u where c = 1")),
              QStringLiteral("INSERT INTO t (a) SELECT b FROM Billing.u WHERE c = 1 LIMIT 3"));
}

TEST(Update, SetListAndWhere)
{
    EXPECT_EQ(sqliteOf(QStringLiteral("UPDATE PWO..tbX SET a = 'x', [b] = NULL, n = n + 1 WHERE c = 'y' and d is null")),
              QStringLiteral("UPDATE PWO.tbX SET a = 'x', \"b\" = NULL, n = tsql_add(n, 1) WHERE c = 'y' AND d IS NULL"));
    EXPECT_EQ(sqliteOf(QStringLiteral("update t set a = 1")), QStringLiteral("UPDATE t SET a = 1"));
}

TEST(Delete, FromIsAddedWhenLeftOut)
{
    EXPECT_EQ(sqliteOf(QStringLiteral("DELETE PWO..tbX WHERE a = 1")), QStringLiteral("DELETE FROM PWO.tbX WHERE a = 1"));
    EXPECT_EQ(sqliteOf(QStringLiteral("DELETE   FROM BILLING..tbBillDailyBill WHERE revenueid = 'QF' and refNum = "
                                      "'12' and IdNum = '34'")),
              QStringLiteral("DELETE FROM BILLING.tbBillDailyBill WHERE revenueid = 'QF' AND refNum = '12' AND IdNum "
                             "= '34'"));
    EXPECT_EQ(sqliteOf(QStringLiteral("delete from t")), QStringLiteral("DELETE FROM t"));
}

TEST(StatementKinds, OnlyQueriesReturnRows)
{
    const std::vector<Statement> statements = translateBatch(
        QStringLiteral("select 1; select 1 union select 2; insert t values (1); update t set a = 1; delete t"));
    ASSERT_EQ(statements.size(), 5u);
    const bool expected[] = {true, true, false, false, false};
    for (std::size_t i = 0; i < statements.size(); ++i)
        EXPECT_EQ(std::get<SqlStatement>(statements[i]).returnsRows, expected[i]) << i;
}

} // namespace
