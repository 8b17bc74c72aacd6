#include "data/DatabaseError.h"
#include "data/Value.h"

#include <gtest/gtest.h>

using pwo::DatabaseError;
using pwo::Value;

TEST(Value, NullIsDistinctFromEmptyText)
{
    EXPECT_TRUE(Value().isNull());
    EXPECT_FALSE(Value(QString()).isNull());
    EXPECT_FALSE(Value(QString()) == Value());
    // The "" & value reading turns null into empty text ...
    EXPECT_EQ(Value().text(), QString());
    EXPECT_EQ(Value(QStringLiteral("x")).text(), QStringLiteral("x"));
    // ... a direct reading of a null is the caller's fault and says so.
    EXPECT_THROW(Value().toText(), DatabaseError);
    EXPECT_THROW(Value().toNumber(), DatabaseError);
    EXPECT_THROW(Value().toDateTime(), DatabaseError);
}

TEST(Value, NumbersReadAsText)
{
    EXPECT_EQ(Value(std::int64_t{5000}).text(), QStringLiteral("5000"));
    EXPECT_EQ(Value(1234.5).text(), QStringLiteral("1234.5"));
    EXPECT_EQ(Value(0.1).text(), QStringLiteral("0.1"));
}

TEST(Value, TextConvertsToNumberOrFailsLoudly)
{
    EXPECT_DOUBLE_EQ(Value(QStringLiteral(" 12.50 ")).toNumber(), 12.5);
    EXPECT_EQ(Value(QStringLiteral("7")).toInteger(), 7);
    for (const char *bad : {"", "12a", "abc", "1,000"}) {
        try {
            Value(QString::fromLatin1(bad)).toNumber();
            ADD_FAILURE() << "no error for " << bad;
        } catch (const DatabaseError &e) {
            EXPECT_EQ(e.number(), pwo::GatewayError::ConversionFailed);
            EXPECT_TRUE(e.description().contains(QString::fromLatin1(bad)));
        }
    }
}

TEST(Value, DatesFromTheFormsServersSend)
{
    const QDateTime expected(QDate(2018, 8, 15), QTime(14, 5));
    EXPECT_EQ(Value(QStringLiteral("2018-08-15 14:05:00")).toDateTime(), expected);
    EXPECT_EQ(Value(QStringLiteral("2018-08-15T14:05:00.000")).toDateTime(), expected);
    EXPECT_EQ(Value(QStringLiteral("08/15/2018 14:05")).toDateTime(), expected);
    EXPECT_EQ(Value(QStringLiteral("8/15/2018")).toDate(), QDate(2018, 8, 15));
    EXPECT_EQ(Value(expected).toDate(), QDate(2018, 8, 15));
    EXPECT_EQ(Value(expected).text(), QStringLiteral("2018-08-15 14:05:00"));
    EXPECT_THROW(Value(QStringLiteral("02/30/2018")).toDate(), DatabaseError);
    EXPECT_THROW(Value(QStringLiteral("not a date")).toDate(), DatabaseError);
    EXPECT_THROW(Value(std::int64_t{3}).toDate(), DatabaseError);
}
