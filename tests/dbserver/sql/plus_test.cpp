#include "TranslatorTestSupport.h"

#include <gtest/gtest.h>

using hospital::dbserver::testing::sqliteOf;

namespace {

QString selected(const QString &tsql)
{
    return sqliteOf(QStringLiteral("select ") + tsql);
}

TEST(Plus, BelowProductsAndLeftAssociative)
{
    EXPECT_EQ(selected(QStringLiteral("a + b - c * d + e")), QStringLiteral("SELECT tsql_add((tsql_add(a, b) - c * d), e)"));
    EXPECT_EQ(selected(QStringLiteral("1 + 2 * 3 - 4 / 2 + 5")),
              QStringLiteral("SELECT tsql_add((tsql_add(1, 2 * 3) - 4 / 2), 5)"));
    EXPECT_EQ(selected(QStringLiteral("a * b + c / d % e")), QStringLiteral("SELECT tsql_add(a * b, c / d % e)"));
    EXPECT_EQ(selected(QStringLiteral("'a' + 'b' + 'c'")), QStringLiteral("SELECT tsql_add(tsql_add('a', 'b'), 'c')"));
}

TEST(Plus, SubtractionAloneIsLeftAlone)
{
    EXPECT_EQ(selected(QStringLiteral("a - b - c")), QStringLiteral("SELECT a - b - c"));
    EXPECT_EQ(selected(QStringLiteral("a - b + c")), QStringLiteral("SELECT tsql_add((a - b), c)"));
    EXPECT_EQ(selected(QStringLiteral("a + (b - c)")), QStringLiteral("SELECT tsql_add(a, (b - c))"));
}

TEST(Plus, ParenthesesKeepTheirGrouping)
{
    EXPECT_EQ(selected(QStringLiteral("a + (b + c)")), QStringLiteral("SELECT tsql_add(a, (tsql_add(b, c)))"));
    EXPECT_EQ(selected(QStringLiteral("(a + b) * c")), QStringLiteral("SELECT (tsql_add(a, b)) * c"));
}

TEST(Plus, OperandsOfEveryKind)
{
    EXPECT_EQ(selected(QStringLiteral("t.col + \"alias\" + upper(x) + (select max(y) from u) + case when a = 1 then "
                                      "'x' else 'y' end + -z + [b c]")),
              QStringLiteral("SELECT tsql_add(tsql_add(tsql_add(tsql_add(tsql_add(tsql_add(t.col, \"alias\"), "
                             "upper(x)), (SELECT max(y) FROM u)), CASE WHEN a = 1 THEN 'x' ELSE 'y' END), -z), "
                             "\"b c\")"));
}

TEST(Plus, AnAliasAfterAnOperandEndsTheChain)
{
    EXPECT_EQ(sqliteOf(QStringLiteral("select a + b total, c + d [Sum] from t")),
              QStringLiteral("SELECT tsql_add(a, b) AS total, tsql_add(c, d) AS \"Sum\" FROM t"));
}

TEST(Plus, ComparisonsAndKeywordsEndTheChain)
{
    EXPECT_EQ(sqliteOf(QStringLiteral("select 1 from t where a + 1 = b + 2 and c + 'x' like 'y%' + '' or d + 1 "
                                      "between e + 1 and f + 2 or g + 1 in (h + 1) or i + 1 is null")),
              QStringLiteral("SELECT 1 FROM t WHERE tsql_add(a, 1) = tsql_add(b, 2) AND tsql_add(c, 'x') LIKE "
                             "tsql_add('y%', '') OR tsql_add(d, 1) BETWEEN tsql_add(e, 1) AND tsql_add(f, 2) OR "
                             "tsql_add(g, 1) IN (tsql_add(h, 1)) OR tsql_add(i, 1) IS NULL"));
    EXPECT_EQ(sqliteOf(QStringLiteral("select case when x + 1 > 2 then y + z else 1 + 1 end + 0 from t")),
              QStringLiteral("SELECT tsql_add(CASE WHEN tsql_add(x, 1) > 2 THEN tsql_add(y, z) ELSE tsql_add(1, 1) "
                             "END, 0) FROM t"));
}

TEST(Plus, InsideFunctionArguments)
{
    EXPECT_EQ(selected(QStringLiteral("isnull(a + b, '') + c")),
              QStringLiteral("SELECT tsql_add(ifnull(tsql_add(a, b), ''), c)"));
    EXPECT_EQ(selected(QStringLiteral("(cast(id as varchar(2)) + '. ' + isnull(type,'') ) [InteractionProb]")),
              QStringLiteral("SELECT (tsql_add(tsql_add(tsql_to_text(id, NULL, 2), '. '), ifnull(type, ''))) AS "
                             "\"InteractionProb\""));
}

TEST(Plus, UnarySigns)
{
    EXPECT_EQ(selected(QStringLiteral("+a + +1")), QStringLiteral("SELECT tsql_add(a, 1)"));
    EXPECT_EQ(selected(QStringLiteral("-a + b")), QStringLiteral("SELECT tsql_add(-a, b)"));
    EXPECT_EQ(selected(QStringLiteral("- -a, a - -1, -(-a), - - -1")),
              QStringLiteral("SELECT - -a, a - -1, -(-a), - - -1"));
}

} // namespace
