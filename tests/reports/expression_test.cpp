#include "TestPrinters.h"

#include "reports/DefinitionError.h"
#include "reports/DefinitionParser.h"
#include "reports/Expression.h"
#include "reports/TextTemplate.h"

#include <gtest/gtest.h>

using namespace pwo;
using namespace pwo::reports;

namespace {

// Values a test's expressions may read.
std::optional<Value> known(const QString &name)
{
    const QString key = name.toLower();
    if (key == u"gross")
        return Value(1500.75);
    if (key == u"discount")
        return Value(QStringLiteral("250.25"));
    if (key == u"patient")
        return Value(QStringLiteral("  dela cruz, juan "));
    if (key == u"nothing")
        return Value::null();
    if (key == u"zero")
        return Value(0);
    return std::nullopt;
}

QString value(const QString &text)
{
    return Expression::parse(text, 1).evaluate({known, {}}).text();
}

// "line L: column C: ..." of the first fault in parsing, checking or evaluating.
QString faultOf(const QString &text)
{
    try {
        const Expression e = Expression::parse(text, 7);
        e.check([](const QString &name) -> std::optional<ValueKind> {
            if (name.compare(u"patient", Qt::CaseInsensitive) == 0)
                return ValueKind::Text;
            return known(name) ? std::optional(ValueKind::Unknown) : std::nullopt;
        });
        e.evaluate({known, {}});
    } catch (const LineError &error) {
        return QStringLiteral("line %1: %2").arg(error.line()).arg(error.reason());
    }
    return {};
}

} // namespace

TEST(Expression, ArithmeticFollowsPrecedenceAndKeepsCents)
{
    EXPECT_EQ(value(QStringLiteral("1 + 2 * 3")), QStringLiteral("7"));
    EXPECT_EQ(value(QStringLiteral("(1 + 2) * 3")), QStringLiteral("9"));
    EXPECT_EQ(value(QStringLiteral("10 - 4 - 3")), QStringLiteral("3"));
    EXPECT_EQ(value(QStringLiteral("-2 * 3 + 10 / 4")), QStringLiteral("-3.5"));
    EXPECT_EQ(value(QStringLiteral("0.1 + 0.2")), QStringLiteral("0.3"));
    EXPECT_EQ(value(QStringLiteral("gross - discount")), QStringLiteral("1250.5"));
    EXPECT_EQ(value(QStringLiteral("1 / 3 * 3")), QStringLiteral("1"));
    EXPECT_EQ(value(QStringLiteral("gross \u00D7 2 \u00F7 4")), QStringLiteral("750.375"));
    // Beyond the whole numbers a literal is still a number, not a fault.
    EXPECT_EQ(value(QStringLiteral("if 99999999999999999999 > 9223372036854775807 then 'more' else 'less'")),
              QStringLiteral("more"));
    const TextTemplate cents = TextTemplate::parse(QStringLiteral("{0.1 + 0.2:0.00} / {gross - discount:#,##0.00}"), 1);
    EXPECT_EQ(cents.expand(known), QStringLiteral("0.30 / 1,250.50"));
}

TEST(Expression, NullsAndDivisionByZeroGiveEmptyNotFaults)
{
    EXPECT_EQ(value(QStringLiteral("gross / zero")), QString());
    EXPECT_EQ(value(QStringLiteral("nothing + 1")), QString());
    EXPECT_EQ(value(QStringLiteral("isnull(nothing, 'none')")), QStringLiteral("none"));
    EXPECT_EQ(value(QStringLiteral("coalesce(nothing, nothing, 3)")), QStringLiteral("3"));
    EXPECT_EQ(value(QStringLiteral("'a' & nothing & 'b'")), QStringLiteral("ab"));
    EXPECT_EQ(value(QStringLiteral("nothing = ''")), QStringLiteral("1"));
    EXPECT_EQ(value(QStringLiteral("not nothing")), QStringLiteral("1"));
}

TEST(Expression, TextComparisonsConditionsAndFunctions)
{
    EXPECT_EQ(value(QStringLiteral("upper(trim(patient))")), QStringLiteral("DELA CRUZ, JUAN"));
    EXPECT_EQ(value(QStringLiteral("left('2026-00244', 4) & '/' & right('2026-00244', 5)")),
              QStringLiteral("2026/00244"));
    EXPECT_EQ(value(QStringLiteral("format(1234.5, '#,##0.00')")), QStringLiteral("1,234.50"));
    EXPECT_EQ(value(QStringLiteral("'ABC  ' = 'abc'")), QStringLiteral("1"));
    EXPECT_EQ(value(QStringLiteral("9 < 10 and '9' <> 9 or false")), QStringLiteral("0"));
    EXPECT_EQ(value(QStringLiteral("if gross > 1000 and not (discount > gross) then 'big' else 'small'")),
              QStringLiteral("big"));
    EXPECT_EQ(value(QStringLiteral("round(2.675, 2) + len('abc')")), QStringLiteral("5.68"));
}

TEST(Expression, FaultsNameLineAndColumn)
{
    EXPECT_EQ(faultOf(QStringLiteral("1 + * 2")), QStringLiteral("line 7: column 5: \"*\" is not expected here"));
    EXPECT_TRUE(faultOf(QStringLiteral("upper(patient")).startsWith(QStringLiteral("line 7: column 14: ")));
    EXPECT_TRUE(faultOf(QStringLiteral("'open")).startsWith(QStringLiteral("line 7: column 1: ")));
    EXPECT_TRUE(faultOf(QStringLiteral("shout(patient)")).contains(QStringLiteral("no function \"shout\"")));
    EXPECT_TRUE(faultOf(QStringLiteral("left(patient)")).contains(QStringLiteral("left takes 2")));
    EXPECT_EQ(faultOf(QStringLiteral("gross + nosuch")),
              QStringLiteral("line 7: column 9: \"nosuch\" is no parameter, field or report value"));
    // Text in arithmetic is refused before anything runs, where it stands.
    EXPECT_TRUE(faultOf(QStringLiteral("gross - patient")).startsWith(QStringLiteral("line 7: column 9: text")));
    EXPECT_TRUE(faultOf(QStringLiteral("'PWO' * 2")).startsWith(QStringLiteral("line 7: column 1: text")));
}

TEST(Expression, ADefinitionsMalformedExpressionIsBlamedOnItsLineAndColumn)
{
    try {
        parseDefinition(QStringLiteral("[report]\n[header]\ncenter | Total {gross +}\n"), QStringLiteral("E.rpt"));
        FAIL() << "accepted";
    } catch (const DefinitionError &error) {
        EXPECT_EQ(error.line(), 3);
        EXPECT_TRUE(error.reason().startsWith(QStringLiteral("column 24:"))) << error.reason().toStdString();
    }
}
