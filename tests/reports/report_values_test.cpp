#include "TestPrinters.h"

#include "reports/DefinitionError.h"
#include "reports/DefinitionParser.h"
#include "reports/Report.h"

#include <gtest/gtest.h>

using namespace pwo;

namespace {

Report twoFieldReport()
{
    return Report(reports::parseDefinition(QStringLiteral("[report]\n[parameters]\na = text\nb = text\n"
                                                          "[subreport Sub]\n[parameters]\nc = text\n"),
                                           QStringLiteral("Values.rpt")));
}

QStringList given(const reports::ParameterValues &values)
{
    QStringList out;
    for (const auto &v : values)
        out << (v ? v->text() : QStringLiteral("<none>"));
    return out;
}

} // namespace

TEST(ReportValues, ElementsGoToTheFieldsInOrderAndExtraOnesAreIgnored)
{
    Report report = twoFieldReport();
    report.setParameterValues({}, {Value("1"), Value("2"), Value("3")});
    EXPECT_EQ(given(report.parameterValues()), (QStringList{"1", "2"}));
}

TEST(ReportValues, FieldsPastTheListKeepNoValueAndAnEmptyListGivesNone)
{
    Report report = twoFieldReport();
    report.setParameterValues({}, {Value("1")});
    EXPECT_EQ(given(report.parameterValues()), (QStringList{"1", "<none>"}));
    report.setParameterValues({}, {});
    EXPECT_EQ(given(report.parameterValues()), (QStringList{"<none>", "<none>"}));
}

TEST(ReportValues, SubreportsTakeTheirOwnValuesByName)
{
    Report report = twoFieldReport();
    report.setParameterValues(QStringLiteral("sub"), {Value("x"), Value("y")});
    EXPECT_EQ(given(report.parameterValues(QStringLiteral("Sub"))), (QStringList{"x"}));
    EXPECT_EQ(given(report.parameterValues()), (QStringList{"<none>", "<none>"}));
    EXPECT_THROW(report.setParameterValues(QStringLiteral("Other"), {}), reports::DefinitionError);
}

TEST(ReportValues, TheLogOnKeepsServerDatabaseAndUserButNoPassword)
{
    Report report = twoFieldReport();
    report.setLogOnInfo(QStringLiteral("Sub"), QStringLiteral("HOST"), QStringLiteral("PWO"), QStringLiteral("sa"),
                        QStringLiteral("secret"));
    const ReportLogOn logOn = report.logOnInfo(QStringLiteral("Sub"));
    EXPECT_TRUE(logOn.given);
    EXPECT_EQ(logOn.serverName, QStringLiteral("HOST"));
    EXPECT_EQ(logOn.userName, QStringLiteral("sa"));
    EXPECT_FALSE(report.logOnInfo().given);
}
