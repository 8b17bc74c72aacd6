#include "LayoutTestSupport.h"
#include "TestPrinters.h"

#include "reports/DefinitionError.h"
#include "reports/DefinitionParser.h"
#include "reports/QueryBinding.h"
#include "reports/ReportLayout.h"

#include <gtest/gtest.h>

using namespace pwo;
using namespace pwo::reports;

namespace {

// A statement: charges and payments by department, with a running balance.
const QString statement = QStringLiteral(R"([report]
total label = Totals
[parameters]
detailed = boolean
[query]
SELECT dept, item, charge, paid FROM t
[columns]
rownumber       | No.      | 10 | right |          | running count per group
item            | Item     | 60
charge          | Charges  | 25 | right | #,##0.00 | sum
paid            | Payments | 25 | right | #,##0.00 | sum
= charge - paid | Balance  | 30 | right | #,##0.00 | running sum
= charge - paid | On page  | 30 | right | #,##0.00 | running sum per page
[group dept]
footer = Total for {dept}
footer text = | {dept}: {count()} items, largest charge {max(charge):#,##0.00}, average {avg(charge):0.00}
[footer]
| Balance due: {sum(charge) - sum(paid):#,##0.00}
when (detailed) | Departments: {distinct(dept)}
when (not detailed) | Summary only
)");

ReportRows statementRows(int perDepartment)
{
    ReportRows rows;
    rows.columns = {QStringLiteral("dept"), QStringLiteral("item"), QStringLiteral("charge"), QStringLiteral("paid")};
    for (const char *dept : {"LABORATORY", "PHARMACY"})
        for (int i = 0; i < perDepartment; ++i)
            rows.rows.push_back({Value(dept), Value(QStringLiteral("%1 ITEM %2").arg(dept).arg(i + 1)), Value(10.5),
                                 Value(i % 2 == 0 ? 0.5 : 0.0)});
    return rows;
}

} // namespace

TEST(ReportTotals, RunningTotalsCarryOverPagesAndRestartWhereTheySay)
{
    const ReportDefinition d = parseDefinition(statement, QStringLiteral("S.rpt"));
    const LaidOutReport report = layOut(d, statementRows(60), {Value("true")});
    ASSERT_GE(report.pages.size(), 3u);
    // The balance never restarts: 60 rows of 10.50 less 30 of 0.50.
    EXPECT_EQ(lineWith(report, QStringLiteral("LABORATORY ITEM 60")).mid(0, 5),
              (QStringList{"60", "LABORATORY ITEM 60", "10.50", "0.00", "615.00"}));
    // Row numbers restart with the department, the balance runs on.
    EXPECT_EQ(lineWith(report, QStringLiteral("PHARMACY ITEM 1")).mid(0, 5),
              (QStringList{"1", "PHARMACY ITEM 1", "10.50", "0.50", "625.00"}));
    // The page column starts again on the first row of every page.
    for (size_t p = 1; p < report.pages.size(); ++p) {
        for (const PageItem &item : report.pages[p].items) {
            if (!item.text.contains(QStringLiteral(" ITEM ")))
                continue;
            const QStringList line = lineWith(report, item.text);
            const double charge = line[2].toDouble(), paid = line[3].toDouble();
            EXPECT_DOUBLE_EQ(line[5].toDouble(), charge - paid) << "page " << p + 1;
            break;
        }
    }
}

TEST(ReportTotals, GroupFooterTextsAndTotalsOfTotals)
{
    const ReportDefinition d = parseDefinition(statement, QStringLiteral("S.rpt"));
    const LaidOutReport report = layOut(d, statementRows(3), {Value("true")});
    const QStringList texts = report.texts();
    EXPECT_TRUE(texts.contains(QStringLiteral("LABORATORY: 3 items, largest charge 10.50, average 10.50")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Balance due: 61.00")));
    EXPECT_EQ(lineWith(report, QStringLiteral("Totals")), (QStringList{"Totals", "63.00", "2.00"}));
    EXPECT_TRUE(texts.contains(QStringLiteral("Departments: 2")));
    EXPECT_FALSE(texts.contains(QStringLiteral("Summary only")));
}

TEST(ReportTotals, ABooleanParameterTakesTrueAndFalseAsTheCallersPassThem)
{
    const ReportDefinition d = parseDefinition(statement, QStringLiteral("S.rpt"));
    const QStringList texts = layOut(d, statementRows(2), {Value("false")}).texts();
    EXPECT_TRUE(texts.contains(QStringLiteral("Summary only")));
    EXPECT_FALSE(texts.contains(QStringLiteral("Departments: 2")));
    ReportDefinition bound = d;
    bound.report.query = QStringLiteral("SELECT dept FROM t WHERE detailed = @detailed");
    EXPECT_EQ(bindQuery(bound.report, {Value("true")}), QStringLiteral("SELECT dept FROM t WHERE detailed = 1"));
    EXPECT_EQ(bindQuery(bound.report, {Value("False")}), QStringLiteral("SELECT dept FROM t WHERE detailed = 0"));
    EXPECT_THROW(bindQuery(bound.report, {Value("maybe")}), LineError);
}

TEST(ReportTotals, PaperOfAnySizeInMillimetres)
{
    const ReportDefinition d =
        parseDefinition(QStringLiteral("[report]\npaper = 216 x 140\nmargin = 8\n[header]\n| Contract slip\n"),
                        QStringLiteral("C.rpt"));
    const LaidOutReport report = layOut(d, {}, {});
    EXPECT_NEAR(report.sizePoints.width(), 216 * 72 / 25.4, 0.5);
    EXPECT_NEAR(report.sizePoints.height(), 140 * 72 / 25.4, 0.5);
    EXPECT_NEAR(d.bodyWidthMm(), 200, 0.1);
}

TEST(ReportTotals, GroupsRepeatTheirHeaderStartPagesAndKeepTogether)
{
    const auto texts = [](const LaidOutPage &page) {
        QStringList out;
        for (const PageItem &item : page.items)
            if (item.kind == PageItem::Kind::Text)
                out << item.text;
        return out;
    };
    ReportDefinition d = parseDefinition(
        QString(statement).replace(QStringLiteral("[group dept]\n"),
                                   QStringLiteral("[group dept]\nrepeat header = yes\nnew page = yes\n")),
        QStringLiteral("S.rpt"));
    const LaidOutReport report = layOut(d, statementRows(80), {Value("true")});
    ASSERT_GE(report.pages.size(), 4u);
    QStringList pharmacyPages;
    for (size_t p = 0; p < report.pages.size(); ++p) {
        const QStringList t = texts(report.pages[p]);
        const bool laboratoryRows = t.filter(QStringLiteral("LABORATORY ITEM")).size() > 0;
        const bool pharmacyRows = t.filter(QStringLiteral("PHARMACY ITEM")).size() > 0;
        EXPECT_FALSE(laboratoryRows && pharmacyRows) << "page " << p + 1 << " holds both groups";
        // Every page with a group's rows names the group above them, after the column headings.
        if (laboratoryRows) {
            EXPECT_EQ(t.value(t.indexOf(QStringLiteral("On page")) + 1), QStringLiteral("LABORATORY")) << p + 1;
        }
        if (pharmacyRows) {
            EXPECT_EQ(t.value(t.indexOf(QStringLiteral("On page")) + 1), QStringLiteral("PHARMACY")) << p + 1;
        }
    }

    // Groups small enough for a page are not split when one would fall across the page end.
    ReportDefinition kept = parseDefinition(
        QString(statement).replace(QStringLiteral("[group dept]\n"), QStringLiteral("[group dept]\nkeep together = yes\n")),
        QStringLiteral("S.rpt"));
    const LaidOutReport together = layOut(kept, statementRows(35), {Value("true")});
    for (const LaidOutPage &page : together.pages) {
        const QStringList t = texts(page);
        for (const char *dept : {"LABORATORY", "PHARMACY"}) {
            const qsizetype rows = t.filter(QStringLiteral("%1 ITEM").arg(QLatin1String(dept))).size();
            EXPECT_TRUE(rows == 0 || rows == 35) << dept << ": " << rows << " rows on one page";
        }
    }
}

TEST(ReportTotals, ACrossTabHasAColumnForEveryValueFoundAndTotalsBothWays)
{
    const ReportDefinition d = parseDefinition(QStringLiteral(R"([report]
total label = All workers
[query]
SELECT worker, month, cases FROM t
[crosstab]
rows = worker | Social worker | 50
columns = month
value = cases * 1
format = #,##0
)"),
                                               QStringLiteral("X.rpt"));
    ReportRows rows;
    rows.columns = {QStringLiteral("worker"), QStringLiteral("month"), QStringLiteral("cases")};
    rows.rows = {{Value("ANA"), Value("2026-09"), Value(3)},  {Value("ANA"), Value("2026-10"), Value(4)},
                 {Value("ANA"), Value("2026-10"), Value(1)},  {Value("BEN"), Value("2026-09"), Value(2)},
                 {Value("CORA"), Value("2026-11"), Value(7)}};  // November: one row only
    const LaidOutReport report = layOut(d, rows, {});
    EXPECT_EQ(lineWith(report, QStringLiteral("Social worker")),
              (QStringList{"Social worker", "2026-09", "2026-10", "2026-11", "Total"}));
    EXPECT_EQ(lineWith(report, QStringLiteral("ANA")), (QStringList{"ANA", "3", "5", "8"}));
    EXPECT_EQ(lineWith(report, QStringLiteral("CORA")), (QStringList{"CORA", "7", "7"}));
    EXPECT_EQ(lineWith(report, QStringLiteral("All workers")), (QStringList{"All workers", "5", "5", "7", "17"}));
}
