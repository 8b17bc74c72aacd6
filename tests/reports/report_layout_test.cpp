#include "TestPrinters.h"

#include "reports/DefinitionError.h"
#include "reports/DefinitionParser.h"
#include "reports/ReportLayout.h"

#include <gtest/gtest.h>

using namespace pwo;
using namespace pwo::reports;

namespace {

const QString groupedList = QStringLiteral(R"([report]
total label = All wards
[parameters]
kind = text
[header]
center bold | {company}
when kind=2 | ADMISSIONS
when kind=1 | DISCHARGES
[query]
SELECT ward, name, amount FROM t
[columns]
rownumber | No.    | 10 | right |          | count
name      | Name   | 60
amount    | Amount | 30 | right | #,##0.00 | sum
[group ward]
footer = Total for {ward}
)");

ReportRows rowsOf(std::initializer_list<std::vector<Value>> rows)
{
    ReportRows r;
    r.columns = {QStringLiteral("ward"), QStringLiteral("name"), QStringLiteral("amount")};
    r.rows = rows;
    return r;
}

LaidOutReport layOut(const ReportDefinition &d, const ReportRows &rows, const ParameterValues &values)
{
    return layOutReport(d, {{&d.report, &values, &rows}},
                        {QStringLiteral("GENERAL HOSPITAL"), QStringLiteral("ANA"), QDateTime(QDate(2026, 8, 1), QTime(9, 5))});
}

// The texts printed on one line of the page with `label` on it.
QStringList lineWith(const LaidOutReport &report, const QString &label)
{
    for (const LaidOutPage &page : report.pages)
        for (const PageItem &item : page.items)
            if (item.text == label) {
                QStringList line;
                for (const PageItem &other : page.items)
                    if (other.kind == PageItem::Kind::Text && qFuzzyCompare(other.rect.top(), item.rect.top()))
                        line << other.text;
                return line;
            }
    return {};
}

} // namespace

TEST(ReportLayout, GroupsCloseWithSubtotalsAndTheListWithAGrandTotal)
{
    const ReportDefinition d = parseDefinition(groupedList, QStringLiteral("G.rpt"));
    const ReportRows rows = rowsOf({{Value("A"), Value("ONE"), Value(10.0)},
                                    {Value("A"), Value("TWO"), Value(5.5)},
                                    {Value("B"), Value("THREE"), Value(QStringLiteral("100"))},
                                    {Value("B"), Value("FOUR"), Value::null()}});
    const LaidOutReport report = layOut(d, rows, {Value("2")});
    EXPECT_EQ(lineWith(report, QStringLiteral("Total for A")), (QStringList{"Total for A", "2", "15.50"}));
    EXPECT_EQ(lineWith(report, QStringLiteral("Total for B")), (QStringList{"Total for B", "2", "100.00"}));
    EXPECT_EQ(lineWith(report, QStringLiteral("All wards")), (QStringList{"All wards", "4", "115.50"}));
    // The row number runs on across groups.
    EXPECT_EQ(lineWith(report, QStringLiteral("THREE")), (QStringList{"3", "THREE", "100.00"}));
    const QStringList texts = report.texts();
    EXPECT_TRUE(texts.contains(QStringLiteral("GENERAL HOSPITAL")));
    EXPECT_TRUE(texts.contains(QStringLiteral("ADMISSIONS")));
    EXPECT_FALSE(texts.contains(QStringLiteral("DISCHARGES")));
    EXPECT_TRUE(texts.indexOf(QStringLiteral("A")) < texts.indexOf(QStringLiteral("ONE")));
}

TEST(ReportLayout, LongListsPageWithHeadingsAndPageNOfMOnEveryPage)
{
    const ReportDefinition d = parseDefinition(groupedList, QStringLiteral("G.rpt"));
    ReportRows rows = rowsOf({});
    for (int i = 0; i < 300; ++i)
        rows.rows.push_back({Value("A"), Value(QStringLiteral("PATIENT %1").arg(i)), Value(1.0)});
    const LaidOutReport report = layOut(d, rows, {});
    ASSERT_GT(report.pages.size(), 3u);
    const int pages = int(report.pages.size());
    for (int p = 0; p < pages; ++p) {
        QStringList texts;
        for (const PageItem &item : report.pages[size_t(p)].items) {
            texts << item.text;
            EXPECT_LE(item.rect.bottom(), report.sizePoints.height()) << "page " << p + 1;
        }
        EXPECT_TRUE(texts.contains(QStringLiteral("Page %1 of %2").arg(p + 1).arg(pages))) << "page " << p + 1;
        EXPECT_TRUE(texts.contains(QStringLiteral("Name"))) << "page " << p + 1;
        EXPECT_TRUE(texts.contains(QStringLiteral("Printed 08/01/2026 09:05 AM by ANA")));
    }
    EXPECT_EQ(lineWith(report, QStringLiteral("All wards")), (QStringList{"All wards", "300", "300.00"}));
}

TEST(ReportLayout, AnEmptyResultSaysSoAndStillTotals)
{
    const ReportDefinition d = parseDefinition(groupedList, QStringLiteral("G.rpt"));
    const LaidOutReport report = layOut(d, rowsOf({}), {});
    EXPECT_EQ(report.pages.size(), 1u);
    EXPECT_TRUE(report.texts().contains(QStringLiteral("No records found.")));
    EXPECT_EQ(lineWith(report, QStringLiteral("All wards")), (QStringList{"All wards", "0", "0.00"}));
}

TEST(ReportLayout, AColumnTheQueryDoesNotReturnIsBlamedOnItsLine)
{
    const ReportDefinition d = parseDefinition(groupedList, QStringLiteral("G.rpt"));
    ReportRows rows = rowsOf({});
    rows.columns = {QStringLiteral("ward"), QStringLiteral("name")};
    try {
        layOut(d, rows, {});
        FAIL();
    } catch (const LineError &error) {
        EXPECT_EQ(error.line(), 14);
        EXPECT_TRUE(error.reason().contains(QStringLiteral("amount")));
    }
}

TEST(ReportLayout, ATextNamingNothingKnownIsBlamedOnItsLine)
{
    const ReportDefinition d =
        parseDefinition(QStringLiteral("[report]\n[header]\n| fine\n| {nothing}\n"), QStringLiteral("T.rpt"));
    EXPECT_THROW(layOut(d, rowsOf({}), {}), LineError);
}
