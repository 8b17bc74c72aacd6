#include "LayoutTestSupport.h"
#include "TestPrinters.h"

#include "reports/DefinitionError.h"
#include "reports/DefinitionParser.h"
#include "reports/ReportLayout.h"
#include "reports/TextMeasure.h"

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

TEST(ReportLayout, ATextNamingNothingKnownIsBlamedOnItsLineBeforeAnythingRuns)
{
    try {
        parseDefinition(QStringLiteral("[report]\n[header]\n| fine\n| {nothing}\n"), QStringLiteral("T.rpt"));
        FAIL() << "accepted";
    } catch (const DefinitionError &error) {
        EXPECT_EQ(error.line(), 4);
        EXPECT_TRUE(error.reason().startsWith(QStringLiteral("column 4: \"nothing\""))) << error.reason().toStdString();
    }
}

TEST(ReportLayout, PageNumbersInTheBodyAreThoseOfTheirPage)
{
    const ReportDefinition d = parseDefinition(
        QString(groupedList)
            .replace(QStringLiteral("[header]\n"), QStringLiteral("[header]\n| Begins on page {page} of {pages}\n")) +
            QStringLiteral("[footer]\n| Ends on page {page} of {pages}\n"),
        QStringLiteral("G.rpt"));
    ReportRows rows = rowsOf({});
    for (int i = 0; i < 200; ++i)
        rows.rows.push_back({Value("A"), Value(QStringLiteral("PATIENT %1").arg(i)), Value(1.0)});
    const LaidOutReport report = layOut(d, rows, {});
    const int pages = int(report.pages.size());
    ASSERT_GT(pages, 2);
    EXPECT_TRUE(report.texts().contains(QStringLiteral("Begins on page 1 of %1").arg(pages)));
    EXPECT_TRUE(report.texts().contains(QStringLiteral("Ends on page %1 of %1").arg(pages)));
}

TEST(ReportLayout, FiguresAndIdentifiersTooWideForTheirColumnPrintWhole)
{
    const ReportDefinition d = parseDefinition(QStringLiteral(R"([report]
[query]
SELECT ward, name, amount FROM t
[columns]
ward   | Adm. No. | 8
name   | Name     | 100
amount | Amount   | 14 | right | #,##0.00 | sum
)"),
                                               QStringLiteral("W.rpt"));
    ReportRows rows = rowsOf({});
    for (int i = 0; i < 12; ++i)
        rows.rows.push_back({Value("250000689B"), Value(QStringLiteral("DELA CRUZ, JUAN %1").arg(i)), Value(9999999.99)});
    const LaidOutReport report = layOut(d, rows, {});
    const QStringList texts = report.texts();
    EXPECT_EQ(texts.count(QStringLiteral("250000689B")), 12);
    EXPECT_EQ(texts.count(QStringLiteral("9,999,999.99")), 12);
    EXPECT_TRUE(texts.contains(QStringLiteral("119,999,999.88")));
    // The room came from the text column, whose values still fit whole.
    EXPECT_TRUE(texts.contains(QStringLiteral("DELA CRUZ, JUAN 11")));
}

TEST(ReportLayout, ALongRemarkWrapsOverPagesInOrderAndWhole)
{
    const ReportDefinition d = parseDefinition(QStringLiteral(R"([report]
[query]
SELECT ward, name, amount FROM t
[columns]
ward | Ward    | 20
name | Remarks | 40
)"),
                                               QStringLiteral("R.rpt"));
    QStringList words;
    for (int i = 0; words.join(u' ').size() < 2000; ++i)
        words << QStringLiteral("word%1").arg(i);
    const QString remark = words.join(u' ');
    ReportRows rows = rowsOf({{Value("W1"), Value(QStringLiteral("short one")), Value(1.0)}});
    for (int i = 0; i < 45; ++i)
        rows.rows.push_back({Value("W1"), Value(QStringLiteral("filler %1").arg(i)), Value(1.0)});
    rows.rows.push_back({Value("W2"), Value(remark), Value(1.0)});
    const LaidOutReport report = layOut(d, rows, {});
    ASSERT_GE(report.pages.size(), 2u);
    QStringList printed;
    double columnLeft = -1;
    for (const LaidOutPage &page : report.pages)
        for (const PageItem &item : page.items) {
            if (item.text.startsWith(QStringLiteral("word"))) {
                printed << item.text;
                EXPECT_TRUE(columnLeft < 0 || qFuzzyCompare(columnLeft, item.rect.left()));
                columnLeft = item.rect.left();
                EXPECT_LE(item.rect.bottom(), report.sizePoints.height());
            }
        }
    EXPECT_GT(printed.size(), 20);
    EXPECT_EQ(printed.join(u' '), remark);
}

TEST(ReportLayout, AFontFamilyTheMachineLacksFallsBackToOneItHas)
{
    EXPECT_EQ(availableFamily(QStringLiteral("DejaVu Serif")), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(availableFamily(QStringLiteral("No Such Family Anywhere")), QStringLiteral("DejaVu Sans"));
    const ReportDefinition d =
        parseDefinition(QStringLiteral("[report]\nfont = DejaVu Serif\n[header]\n| In serif\n"), QStringLiteral("F.rpt"));
    const LaidOutReport report = layOut(d, rowsOf({}), {});
    ASSERT_FALSE(report.pages.front().items.empty());
    EXPECT_EQ(report.pages.front().items.front().style.family, QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(reportFont(report.pages.front().items.front().style).family(), QStringLiteral("DejaVu Serif"));
}
