#include "TranslatorTestSupport.h"

#include <gtest/gtest.h>

using hospital::dbserver::testing::sqliteOf;

namespace {

// The SQLite text of one select-list expression.
QString expressionOf(const QString &tsql)
{
    const QString sqlite = sqliteOf(QStringLiteral("select ") + tsql + QStringLiteral(" from t"));
    return sqlite.mid(7, sqlite.size() - 7 - 7);
}

TEST(Functions, RewrittenIntoSqliteEquivalents)
{
    EXPECT_EQ(expressionOf(QStringLiteral("ISNULL(A,B)")), QStringLiteral("ifnull(A, B)"));
    EXPECT_EQ(expressionOf(QStringLiteral("left(isnull(PatientClass,''),1)")),
              QStringLiteral("substr(ifnull(PatientClass, ''), 1, 1)"));
    EXPECT_EQ(expressionOf(QStringLiteral("right(a, 2)")), QStringLiteral("tsql_right(a, 2)"));
    EXPECT_EQ(expressionOf(QStringLiteral("substring(a, 2, 3)")), QStringLiteral("substr(a, 2, 3)"));
    EXPECT_EQ(expressionOf(QStringLiteral("len(a)")), QStringLiteral("length(rtrim(a))"));
    EXPECT_EQ(expressionOf(QStringLiteral("charindex('-', Code)")), QStringLiteral("instr(Code, '-')"));
    EXPECT_EQ(expressionOf(QStringLiteral("getdate()")), QStringLiteral("tsql_getdate()"));
}

TEST(Functions, DatePartsOfYearMonthDay)
{
    EXPECT_EQ(expressionOf(QStringLiteral("year(d)")), QStringLiteral("tsql_datepart('year', d)"));
    EXPECT_EQ(expressionOf(QStringLiteral("Month(d)")), QStringLiteral("tsql_datepart('month', d)"));
    EXPECT_EQ(expressionOf(QStringLiteral("DAY(getdate())")), QStringLiteral("tsql_datepart('day', tsql_getdate())"));
}

TEST(Functions, DateAddAndDateDiffNameTheirPartCanonically)
{
    const std::pair<const char *, const char *> parts[] = {
        {"day", "day"},       {"dd", "day"},     {"d", "day"},       {"month", "month"}, {"mm", "month"},
        {"m", "month"},       {"year", "year"},  {"yy", "year"},     {"YYYY", "year"},   {"hour", "hour"},
        {"hh", "hour"},       {"minute", "minute"}, {"mi", "minute"}, {"n", "minute"},   {"week", "week"},
        {"wk", "week"},
    };
    for (const auto &[written, canonical] : parts) {
        EXPECT_EQ(expressionOf(QStringLiteral("dateadd(%1, -1, d)").arg(QLatin1String(written))),
                  QStringLiteral("tsql_dateadd('%1', -1, d)").arg(QLatin1String(canonical)));
        EXPECT_EQ(expressionOf(QStringLiteral("datediff(%1, a, getdate())").arg(QLatin1String(written))),
                  QStringLiteral("tsql_datediff('%1', a, tsql_getdate())").arg(QLatin1String(canonical)));
    }
}

TEST(Functions, SqliteBuiltinsPassAsWritten)
{
    EXPECT_EQ(expressionOf(QStringLiteral("upper(a), LOWER(a), ltrim(a), rtrim(a), replace(a,'x','y'), abs(b), "
                                          "round(b,2), coalesce(a,b,'z'), nullif(a,''), count(distinct a), "
                                          "sum(b), min(b), max(b), avg(all b), count(*)")),
              QStringLiteral("upper(a), LOWER(a), ltrim(a), rtrim(a), replace(a, 'x', 'y'), abs(b), round(b, 2), "
                             "coalesce(a, b, 'z'), nullif(a, ''), count(DISTINCT a), sum(b), min(b), max(b), "
                             "avg(b), count(*)"));
}

TEST(Conversions, ToTextCarriesStyleAndLength)
{
    EXPECT_EQ(expressionOf(QStringLiteral("CONVERT(VARCHAR(10), PwoDiscountExpiry, 101)")),
              QStringLiteral("tsql_to_text(PwoDiscountExpiry, 101, 10)"));
    EXPECT_EQ(expressionOf(QStringLiteral("cast(id as varchar(3))")), QStringLiteral("tsql_to_text(id, NULL, 3)"));
    EXPECT_EQ(expressionOf(QStringLiteral("convert(nvarchar, x)")), QStringLiteral("tsql_to_text(x, NULL, NULL)"));
    EXPECT_EQ(expressionOf(QStringLiteral("cast(x as nvarchar(max))")), QStringLiteral("tsql_to_text(x, NULL, NULL)"));
    EXPECT_EQ(expressionOf(QStringLiteral("cast(x as NCHAR(2))")), QStringLiteral("tsql_to_text(x, NULL, 2)"));
    EXPECT_EQ(expressionOf(QStringLiteral("convert(char(1), x, 1 + 100)")),
              QStringLiteral("tsql_to_text(x, tsql_add(1, 100), 1)"));
}

TEST(Conversions, DateIntegerAndRealTargets)
{
    for (const char *type : {"datetime", "SmallDateTime", "date"})
        EXPECT_EQ(expressionOf(QStringLiteral("cast(x as %1)").arg(QLatin1String(type))),
                  QStringLiteral("tsql_to_datetime(x)"));
    for (const char *type : {"int", "bigint", "smallint", "tinyint", "BIT"})
        EXPECT_EQ(expressionOf(QStringLiteral("convert(%1, x)").arg(QLatin1String(type))),
                  QStringLiteral("tsql_to_int(x)"));
    for (const char *type : {"money", "decimal(10,2)", "numeric(5)", "float", "float(53)", "real", "decimal"})
        EXPECT_EQ(expressionOf(QStringLiteral("cast(x as %1)").arg(QLatin1String(type))),
                  QStringLiteral("tsql_to_real(x)"));
}

TEST(Conversions, Nest)
{
    EXPECT_EQ(expressionOf(QStringLiteral("cast(cast(a as int) as varchar(5))")),
              QStringLiteral("tsql_to_text(tsql_to_int(a), NULL, 5)"));
}

TEST(Functions, LeftAndRightAreJoinsWithoutParenthesis)
{
    EXPECT_EQ(sqliteOf(QStringLiteral("select left(a,1) from t left join u on right(t.a,1) = u.b")),
              QStringLiteral("SELECT substr(a, 1, 1) FROM t LEFT JOIN u ON tsql_right(t.a, 1) = u.b"));
}

} // namespace
