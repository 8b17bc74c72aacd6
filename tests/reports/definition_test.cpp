#include "TestPrinters.h"

#include "reports/DefinitionError.h"
#include "reports/DefinitionParser.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace pwo::reports;

namespace {

const QString wellFormed = QStringLiteral(R"(# a comment
[report]
orientation = landscape
font size = 8

[parameters]
startDate = date
kind = text

[query]
SELECT a, b
  FROM t

[columns]
rownumber | No.    | 10 | right |          | count
a         | Alpha  | 40
b         | Amount | 30 | right | #,##0.00 | sum

[group a]
header = bold | {a}
footer = Total for {a}

[subreport Second.Part]
title = Second
new page = yes

[parameters]
worker = text
)");

// The line the parser blames for `text`, or 0 when it accepts it.
int faultLine(const QString &text, QString *reason = nullptr)
{
    try {
        parseDefinition(text, QStringLiteral("Test.rpt"));
    } catch (const DefinitionError &error) {
        if (reason)
            *reason = error.reason();
        return error.line();
    }
    return 0;
}

} // namespace

TEST(Definition, ReadsPartsParametersColumnsAndGroupsInFileOrder)
{
    const ReportDefinition d = parseDefinition(wellFormed, QStringLiteral("Test.rpt"));
    EXPECT_TRUE(d.landscape);
    ASSERT_EQ(d.report.parameters.size(), 2u);
    EXPECT_EQ(d.report.parameters[0].name, QStringLiteral("startDate"));
    EXPECT_EQ(d.report.parameters[0].type, ParameterType::Date);
    EXPECT_EQ(d.report.queryLine, 11);
    EXPECT_EQ(d.report.query, QStringLiteral("SELECT a, b\n  FROM t"));
    ASSERT_EQ(d.report.columns.size(), 3u);
    EXPECT_TRUE(d.report.columns[0].isRowNumber());
    EXPECT_EQ(d.report.columns[2].alignment, Qt::AlignRight);
    EXPECT_EQ(d.report.columns[2].total, TotalKind::Sum);
    EXPECT_EQ(d.report.columns[2].format.apply(pwo::Value(1234.5)), QStringLiteral("1,234.50"));
    ASSERT_EQ(d.report.groups.size(), 1u);
    ASSERT_EQ(d.subreports.size(), 1u);
    EXPECT_EQ(d.subreports[0].title, QStringLiteral("Second"));
    EXPECT_TRUE(d.subreports[0].newPage);
    EXPECT_EQ(d.subreport(QStringLiteral("second.part")), &d.subreports[0]);
    EXPECT_EQ(d.subreports[0].fontSize, 8);
}

TEST(Definition, NamesTheLineOfEachKindOfFault)
{
    QString reason;
    EXPECT_EQ(faultLine(QStringLiteral("[parameters]\nx = text\n"), &reason), 1);
    EXPECT_TRUE(reason.contains(QStringLiteral("[report]")));
    EXPECT_EQ(faultLine(QStringLiteral("[report]\n\n[colums]\n"), &reason), 3);
    EXPECT_TRUE(reason.contains(QStringLiteral("colums")));
    EXPECT_EQ(faultLine(QStringLiteral("[report]\n[parameters]\nx = when\n")), 3);
    EXPECT_EQ(faultLine(QStringLiteral("[report]\n[parameters]\nx = text\nx = date\n")), 4);
    EXPECT_EQ(faultLine(QStringLiteral("[report]\n[parameters]\npage = text\n")), 3);
    EXPECT_EQ(faultLine(QStringLiteral("[report]\n[header]\ncenter\n| {company\n")), 4);
    EXPECT_EQ(faultLine(QStringLiteral("[report]\n[header]\nshiny | x\n"), &reason), 3);
    EXPECT_TRUE(reason.contains(QStringLiteral("shiny")));
    EXPECT_EQ(faultLine(QStringLiteral("[report]\n[query]\nSELECT 1 a\n[columns]\na | A | wide\n")), 5);
    EXPECT_EQ(faultLine(QStringLiteral("[report]\n[query]\nSELECT 1 a\n[columns]\na | A | 10 | middle\n")), 5);
    EXPECT_EQ(faultLine(QStringLiteral("[report]\n[query]\nSELECT 1 a\n[columns]\na | A | 10 | left | #x#\n")), 5);
    EXPECT_EQ(faultLine(QStringLiteral("[report]\n[query]\nSELECT 1 a\n[columns]\na | A | 10 | left | | median\n")), 5);
    EXPECT_EQ(faultLine(QStringLiteral("[report]\n[columns]\na | A | 10\n")), 3);
    EXPECT_EQ(faultLine(QStringLiteral("[report]\npaper = A5\n")), 2);
    EXPECT_EQ(faultLine(QStringLiteral("[report]\ntitle = x\n")), 2);
    EXPECT_EQ(faultLine(QStringLiteral("[report]\n[subreport A]\n[subreport a]\n")), 3);
    EXPECT_EQ(faultLine(QStringLiteral("[report]\n[subreport A]\n[page footer]\n")), 3);
    EXPECT_EQ(faultLine(QStringLiteral("[report]\n[header]\n[header]\n")), 3);
}

TEST(Definition, ColumnsWiderThanThePageAreRefusedAtTheColumnThatOverflows)
{
    // Letter portrait leaves 191.9 mm between 12 mm margins.
    const QString text = QStringLiteral("[report]\n[query]\nSELECT 1 a, 2 b\n[columns]\na | A | 100\nb | B | 100\n");
    QString reason;
    EXPECT_EQ(faultLine(text, &reason), 6);
    EXPECT_TRUE(reason.contains(QStringLiteral("200.0 mm")));
    EXPECT_EQ(faultLine(QString(text).replace(QStringLiteral("[report]\n"),
                                              QStringLiteral("[report]\norientation = landscape\n"))),
              0);
}

TEST(Definition, AMissingFileIsNamedInTheMessage)
{
    const QString path = QDir::temp().filePath(QStringLiteral("no-such-report-here.rpt"));
    try {
        loadDefinition(path);
        FAIL() << "a missing file was accepted";
    } catch (const DefinitionError &error) {
        EXPECT_TRUE(QString::fromUtf8(error.what()).contains(QStringLiteral("no-such-report-here.rpt")));
        EXPECT_TRUE(error.reason().contains(QStringLiteral("does not exist")));
    }
}

TEST(Definition, TheErrorTextCarriesFileAndLine)
{
    try {
        parseDefinition(QStringLiteral("[report]\n\n\n[nonsense]\n"), QStringLiteral("/x/REPORTS/Bad.rpt"));
        FAIL();
    } catch (const DefinitionError &error) {
        const QString what = QString::fromUtf8(error.what());
        EXPECT_TRUE(what.contains(QStringLiteral("Bad.rpt"))) << what.toStdString();
        EXPECT_TRUE(what.contains(QStringLiteral("line 4"))) << what.toStdString();
    }
}

TEST(Definition, EveryShippedReportParses)
{
    const QDir folder(QStringLiteral(PWO_REPORTS_SOURCE));
    const QStringList files = folder.entryList({QStringLiteral("*.rpt")});
    EXPECT_GE(files.size(), 4);
    for (const QString &name : files)
        EXPECT_NO_THROW(loadDefinition(folder.filePath(name))) << name.toStdString();
}

TEST(Formats, NumbersAndDatesPrintAsTheirPatternsSay)
{
    const ValueFormat money = ValueFormat::parse(QStringLiteral("#,##0.00"), 1);
    EXPECT_EQ(money.apply(pwo::Value(1234567.891)), QStringLiteral("1,234,567.89"));
    EXPECT_EQ(money.apply(pwo::Value(QStringLiteral("12.5"))), QStringLiteral("12.50"));
    EXPECT_EQ(money.apply(pwo::Value::null()), QString());
    EXPECT_EQ(ValueFormat::parse(QStringLiteral("0"), 1).apply(pwo::Value(1234.6)), QStringLiteral("1235"));
    const ValueFormat bracketed = ValueFormat::parse(QStringLiteral("#,##0.00;(#,##0.00)"), 1);
    EXPECT_EQ(bracketed.apply(pwo::Value(-1250.5)), QStringLiteral("(1,250.50)"));
    EXPECT_EQ(bracketed.apply(pwo::Value(1250.5)), QStringLiteral("1,250.50"));
    EXPECT_EQ(bracketed.apply(pwo::Value(-0.001)), QStringLiteral("0.00"));
    EXPECT_EQ(money.apply(pwo::Value(-1250.5)), QStringLiteral("-1,250.50"));
    EXPECT_THROW(ValueFormat::parse(QStringLiteral("#,##0.00;(0)"), 1), LineError);
    const ValueFormat day = ValueFormat::parse(QStringLiteral("MMMM d, yyyy"), 1);
    EXPECT_EQ(day.apply(pwo::Value(QStringLiteral("2026-08-01 00:00:00"))), QStringLiteral("August 1, 2026"));
    EXPECT_EQ(day.apply(pwo::Value(QStringLiteral("08/15/2026"))), QStringLiteral("August 15, 2026"));
    EXPECT_EQ(day.apply(pwo::Value(QStringLiteral("not a date"))), QStringLiteral("not a date"));
}
