#include "TestPrinters.h"

#include "reports/DefinitionError.h"
#include "reports/QueryBinding.h"

#include <gtest/gtest.h>

using namespace pwo;
using namespace pwo::reports;

namespace {

ReportPart partWith(const QString &query)
{
    ReportPart part;
    part.query = query;
    part.queryLine = 10;
    part.parameters = {{QStringLiteral("name"), ParameterType::Text, 3},
                       {QStringLiteral("day"), ParameterType::Date, 4},
                       {QStringLiteral("amount"), ParameterType::Number, 5}};
    return part;
}

ParameterValues values(std::initializer_list<std::optional<Value>> list)
{
    return ParameterValues(list);
}

} // namespace

TEST(QueryBinding, EachTypeBecomesItsLiteral)
{
    const ReportPart part = partWith(QStringLiteral("SELECT * FROM t WHERE n = @name AND d >= @day AND a > @amount"));
    EXPECT_EQ(bindQuery(part, values({Value("O'Brien"), Value("8/5/2026"), Value("1500.50")})),
              QStringLiteral("SELECT * FROM t WHERE n = 'O''Brien' AND d >= CONVERT(DATETIME, '08/05/2026') AND a > 1500.5"));
}

TEST(QueryBinding, FieldsWithoutValuesAreEmptyTextOrNull)
{
    const ReportPart part = partWith(QStringLiteral("SELECT @name, @day, @amount"));
    EXPECT_EQ(bindQuery(part, {}), QStringLiteral("SELECT '', NULL, NULL"));
    EXPECT_EQ(bindQuery(part, values({Value::null(), Value(""), Value("  ")})), QStringLiteral("SELECT '', NULL, NULL"));
}

TEST(QueryBinding, QuotesBracketsCommentsAndServerVariablesAreLeftAlone)
{
    const ReportPart part =
        partWith(QStringLiteral("SELECT '@name', 'it''s @name', [@name], @@ROWCOUNT, x@name -- @nothing\n/* @nope */ @name"));
    EXPECT_EQ(bindQuery(part, values({Value("v")})),
              QStringLiteral("SELECT '@name', 'it''s @name', [@name], @@ROWCOUNT, x@name -- @nothing\n/* @nope */ 'v'"));
}

TEST(QueryBinding, AnUnknownNameIsBlamedOnItsQueryLine)
{
    const ReportPart part = partWith(QStringLiteral("SELECT 1\nFROM t\nWHERE 'a\nb' = @nmae"));
    try {
        bindQuery(part, {});
        FAIL();
    } catch (const LineError &error) {
        EXPECT_EQ(error.line(), 13);
        EXPECT_TRUE(error.reason().contains(QStringLiteral("@nmae")));
    }
}

TEST(QueryBinding, AValueNotOfItsTypeIsBlamedOnItsParameter)
{
    const ReportPart part = partWith(QStringLiteral("SELECT @day, @amount"));
    try {
        bindQuery(part, values({Value("x"), Value("13/45/2026")}));
        FAIL();
    } catch (const LineError &error) {
        EXPECT_EQ(error.line(), 4);
    }
    try {
        bindQuery(part, values({Value("x"), Value("08/01/2026"), Value("12a")}));
        FAIL();
    } catch (const LineError &error) {
        EXPECT_EQ(error.line(), 5);
    }
}
