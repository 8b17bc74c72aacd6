#include "data/SqlText.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace pwo::sql;

TEST(SqlText, QuotingDoublesEmbeddedQuotes)
{
    EXPECT_EQ(quoted(QStringLiteral("O'Brien")), QStringLiteral("'O''Brien'"));
    EXPECT_EQ(quoted(QString()), QStringLiteral("''"));
    EXPECT_EQ(quoted(QStringLiteral("''")), QStringLiteral("''''''"));
    EXPECT_EQ(quoted(QStringLiteral("x'; DELETE FROM PWO..tbX; --")), QStringLiteral("'x''; DELETE FROM PWO..tbX; --'"));
    EXPECT_EQ(quotedList({QStringLiteral("a"), QStringLiteral("b'c"), QString()}), QStringLiteral("'a','b''c',''"));
}

TEST(SqlText, DatesAsMonthDayYear)
{
    EXPECT_EQ(dateText(QDate(2018, 8, 15)), QStringLiteral("08/15/2018"));
    EXPECT_EQ(dateText(QDate(2026, 1, 2)), QStringLiteral("01/02/2026"));
}

TEST(SqlText, NumbersInShortestPlainDecimal)
{
    EXPECT_EQ(numberText(5000), QStringLiteral("5000"));
    EXPECT_EQ(numberText(1234.5), QStringLiteral("1234.5"));
    EXPECT_EQ(numberText(0.1), QStringLiteral("0.1"));
    EXPECT_EQ(numberText(0.1 + 0.2), QStringLiteral("0.3"));  // 15 significant digits hide the binary noise
    EXPECT_EQ(numberText(-2.25), QStringLiteral("-2.25"));
    EXPECT_EQ(numberText(0), QStringLiteral("0"));
    EXPECT_EQ(numberText(-0.0), QStringLiteral("0"));
    EXPECT_EQ(numberText(1e20), QStringLiteral("100000000000000000000"));  // no exponent
    EXPECT_EQ(numberText(1234567.891), QStringLiteral("1234567.891"));
    EXPECT_EQ(numberText(0.000125), QStringLiteral("0.000125"));
    EXPECT_THROW(numberText(std::nan("")), std::exception);
}

TEST(SqlText, LiteralsOfTheGatewaysOwnStatements)
{
    EXPECT_EQ(literal(pwo::Value()), QStringLiteral("NULL"));
    EXPECT_EQ(literal(pwo::Value(std::int64_t{42})), QStringLiteral("42"));
    EXPECT_EQ(literal(pwo::Value(2.5)), QStringLiteral("2.5"));
    EXPECT_EQ(literal(pwo::Value(QStringLiteral("it's"))), QStringLiteral("'it''s'"));
    EXPECT_EQ(literal(pwo::Value(QDateTime(QDate(2018, 8, 15), QTime(14, 5)))), QStringLiteral("'2018-08-15T14:05:00.000'"));
}
