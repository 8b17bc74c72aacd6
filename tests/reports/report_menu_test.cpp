#include "ProgramUnderTest.h"
#include "ReportTestSupport.h"
#include "TestPrinters.h"

#include "reports/PdfExport.h"
#include "reports/ReportView.h"
#include "core/ProgramState.h"
#include "reports/frmReportViewer.h"
#include "frame/mdiPWO.h"
#include "core/modGlobals.h"

#include <QAction>
#include <QDateEdit>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace pwo;

namespace {

void trigger(ProgramUnderTest &program, const char *item)
{
    program.mainWindow()->menuItem(QString::fromLatin1(item))->trigger();
    program.settle();
}

// Sets the dialog's pickers (those it has) and presses "&Enter".
void enterDates(const QString &dialog, const QDate &start, const QDate &end = {})
{
    whenShown(dialog, [start, end](QWidget &window) {
        window.findChild<QDateEdit *>(QStringLiteral("dtStart"))->setDate(start);
        if (auto *dtEnd = window.findChild<QDateEdit *>(QStringLiteral("dtEnd")); dtEnd && end.isValid())
            dtEnd->setDate(end);
        click(window, QStringLiteral("cmdEnter"));
    });
}

frmReportViewer *onlyViewer()
{
    const QList<QWidget *> viewers = openViewers();
    return viewers.size() == 1 ? static_cast<frmReportViewer *>(viewers.front()) : nullptr;
}

QStringList valuesOf(const reports::ParameterValues &values)
{
    QStringList out;
    for (const auto &v : values)
        out << (v ? v->text() : QStringLiteral("<none>"));
    return out;
}

void closeViewers(ProgramUnderTest &program)
{
    for (QWidget *w : openViewers())
        w->close();
    program.settle();
}

} // namespace

TEST(ReportMenu, TheFiveItemsAreEnabled)
{
    ProgramUnderTest program;
    program.startAs();
    for (const char *item : {"mnuRptListOfGrantees", "mnuRptListOfAssessments", "mnuRptDailyERAdmission",
                             "mnuRptDailyERDischarges", "mnuRptMonthlyPerformance"})
        EXPECT_TRUE(program.mainWindow()->menuItem(QString::fromLatin1(item))->isEnabled()) << item;
    EXPECT_FALSE(program.mainWindow()->menuItem(QStringLiteral("mnuRptDailyAdmission"))->isEnabled());
}

TEST(ReportMenu, ACancelledDialogSendsNothingAndOpensNoViewer)
{
    ProgramUnderTest program;
    program.startAs();
    for (const auto &[item, dialog] : {std::pair{"mnuRptListOfAssessments", "frmReportDateRange"},
                                       std::pair{"mnuRptDailyERAdmission", "frmReportDate"},
                                       std::pair{"mnuRptDailyERDischarges", "frmReportDate"},
                                       std::pair{"mnuRptMonthlyPerformance", "frmReportDate2"}}) {
        auto sentBefore = std::make_shared<qsizetype>(-1);
        whenShown(QString::fromLatin1(dialog), [&program, sentBefore](QWidget &window) {
            *sentBefore = program.statementTexts().size();
            click(window, QStringLiteral("cmdClose"));
        });
        trigger(program, item);
        EXPECT_EQ(program.statementTexts().size(), *sentBefore) << item;
        EXPECT_TRUE(openViewers().isEmpty()) << item;
        EXPECT_EQ(globals().CurrentReport, nullptr) << item;
    }
}

TEST(ReportMenu, ListOfAssessmentsPassesThePeriodAndListsItsAssessments)
{
    ProgramUnderTest program;
    program.startAs();
    const QDate today = QDate::currentDate();
    enterDates(QStringLiteral("frmReportDateRange"), today.addDays(-60), today);
    trigger(program, "mnuRptListOfAssessments");
    frmReportViewer *viewer = onlyViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("List of Assessments"));
    EXPECT_TRUE(viewer->report()->fileName().endsWith(QStringLiteral("ListofAssessment.rpt")));
    EXPECT_EQ(valuesOf(viewer->report()->parameterValues()),
              (QStringList{today.addDays(-60).toString(QStringLiteral("MM/dd/yyyy")),
                           today.toString(QStringLiteral("MM/dd/yyyy"))}));
    EXPECT_TRUE(viewer->rptViewer1()->report().texts().contains(QStringLiteral("Total assessments")));
    EXPECT_FALSE(viewer->rptViewer1()->report().texts().contains(QStringLiteral("No records found.")));
}

TEST(ReportMenu, ListOfGranteesShowsWithoutADialog)
{
    ProgramUnderTest program;
    program.startAs();
    trigger(program, "mnuRptListOfGrantees");
    frmReportViewer *viewer = onlyViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("List of Grantees"));
    EXPECT_TRUE(valuesOf(viewer->report()->parameterValues()).isEmpty());
    EXPECT_TRUE(viewer->rptViewer1()->report().texts().contains(QStringLiteral("Total grantees")));
    EXPECT_FALSE(viewer->rptViewer1()->report().texts().contains(QStringLiteral("No records found.")));
}

TEST(ReportMenu, DailyErAdmissionAndDischargesOpenOneFileWithTwoAndOne)
{
    ProgramUnderTest program;
    program.startAs();
    const QDate day = QDate::currentDate().addDays(-1);
    const QString d = day.toString(QStringLiteral("MM/dd/yyyy"));
    enterDates(QStringLiteral("frmReportDate"), day);
    trigger(program, "mnuRptDailyERAdmission");
    frmReportViewer *admissions = onlyViewer();
    ASSERT_NE(admissions, nullptr);
    EXPECT_EQ(admissions->windowTitle(), QStringLiteral("Daily ER Admission Report"));
    EXPECT_EQ(valuesOf(admissions->report()->parameterValues()), (QStringList{"2", d}));
    const QString file = admissions->report()->fileName();
    EXPECT_TRUE(admissions->rptViewer1()->report().texts().contains(QStringLiteral("DAILY ER ADMISSIONS")));
    closeViewers(program);

    enterDates(QStringLiteral("frmReportDate"), day);
    trigger(program, "mnuRptDailyERDischarges");
    frmReportViewer *discharges = onlyViewer();
    ASSERT_NE(discharges, nullptr);
    EXPECT_EQ(discharges->windowTitle(), QStringLiteral("Daily ER Discharges Report"));
    EXPECT_EQ(valuesOf(discharges->report()->parameterValues()), (QStringList{"1", d}));
    EXPECT_EQ(discharges->report()->fileName(), file);
    EXPECT_TRUE(QFileInfo(file).fileName() == QLatin1String("ERAdmission.rpt"));
    EXPECT_TRUE(discharges->rptViewer1()->report().texts().contains(QStringLiteral("DAILY ER DISCHARGES")));
}

TEST(ReportMenu, MonthlyPerformanceTwiceWithoutASearchPassesTheFirstWorker)
{
    ProgramUnderTest program;
    program.startAs();
    ReportDate2().WorkerCode = QStringLiteral("10003");  // as the first run's search left it
    const QDate start = QDate::currentDate().addDays(-30), end = QDate::currentDate();
    const QString s = start.toString(QStringLiteral("MM/dd/yyyy")), e = end.toString(QStringLiteral("MM/dd/yyyy"));
    for (int run = 0; run < 2; ++run) {
        auto workerRowShown = std::make_shared<bool>(false);
        whenShown(QStringLiteral("frmReportDate2"), [start, end, workerRowShown](QWidget &window) {
            *workerRowShown = window.findChild<QWidget *>(QStringLiteral("txtPWOW"))->isVisible();
            window.findChild<QDateEdit *>(QStringLiteral("dtStart"))->setDate(start);
            window.findChild<QDateEdit *>(QStringLiteral("dtEnd"))->setDate(end);
            click(window, QStringLiteral("cmdEnter"));
        });
        trigger(program, "mnuRptMonthlyPerformance");
        EXPECT_TRUE(*workerRowShown);
        frmReportViewer *viewer = onlyViewer();
        ASSERT_NE(viewer, nullptr) << "run " << run;
        EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Monthly Performance Report"));
        const Report &report = *viewer->report();
        EXPECT_EQ(valuesOf(report.parameterValues()),
                  (QStringList{globals().Company, globals().Address1, globals().CurrentUser->EmployeeName(), s, e,
                               "10003"}));
        for (const char *sub : {"I.SourceOfReferral", "II.Caseload", "III.CaseloadPerCategory", "IV.Services"})
            EXPECT_EQ(valuesOf(report.parameterValues(QString::fromLatin1(sub))), (QStringList{s, e, "10003"})) << sub;
        EXPECT_EQ(valuesOf(report.parameterValues(QStringLiteral("documentation"))),
                  (QStringList{s, e, "10003", globals().CurrentUser->employeecode()}));
        closeViewers(program);
    }
    EXPECT_EQ(program.statementTexts().filter(QStringLiteral("= '10003'")).size(), 2 * 6);
}

TEST(ReportMenu, TheMonthlyReportsPdfHoldsTheWorkersFigures)
{
    ProgramUnderTest program;
    program.startAs();
    // Three assessments of one worker in a quiet month, two from walk-ins.
    program.database().sqlite(QStringLiteral(
        "DELETE FROM PWO.tbPWOAssessment WHERE PWODiscountValidity >= '2025-02-01' AND PWODiscountValidity < '2025-03-01';"
        "INSERT INTO PWO.tbPWOAssessment (IDNUM, HospNum, PWOW, ReferringPartyID, CaseCategory, casestatus, "
        "  serviceid, docs, NC, PWODiscountValidity, DateAssessed) "
        "SELECT 'T' || HospNum, HospNum, '10005', CASE WHEN rowid % 3 = 0 THEN '4' ELSE '1' END, '06', 'N', "
        "  '1.6|', '1|1|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|', 1234.5, '2025-02-10 00:00:00', '2025-02-10 09:00:00' "
        "  FROM (SELECT HospNum, row_number() OVER (ORDER BY HospNum) AS rowid FROM PATIENT_DATA.tbMaster LIMIT 3)"));
    ReportDate2().WorkerCode = QStringLiteral("10005");
    whenShown(QStringLiteral("frmReportDate2"), [](QWidget &window) {
        window.findChild<QDateEdit *>(QStringLiteral("dtStart"))->setDate(QDate(2025, 2, 1));
        window.findChild<QDateEdit *>(QStringLiteral("dtEnd"))->setDate(QDate(2025, 2, 28));
        click(window, QStringLiteral("cmdEnter"));
    });
    trigger(program, "mnuRptMonthlyPerformance");
    frmReportViewer *viewer = onlyViewer();
    ASSERT_NE(viewer, nullptr);
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("monthly.pdf"));
    viewer->rptViewer1()->exportPdfTo(pdf);
    const QString text = pdfText(pdf).simplified();
    EXPECT_TRUE(text.contains(QStringLiteral("MONTHLY PERFORMANCE REPORT"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("For the period February 1, 2025 to February 28, 2025")));
    EXPECT_TRUE(text.contains(QStringLiteral("Social worker: ROSEMARIE FAJARDO"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Walk-in / Self 2"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Other Hospital 1")));
    EXPECT_TRUE(text.contains(QStringLiteral("Victim of Abuse 3 0 0 3,703.50"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Home Visit 3")));
    EXPECT_TRUE(text.contains(QStringLiteral("Intake Sheet 3")));
    EXPECT_TRUE(text.contains(QStringLiteral("Out-patients")) || text.contains(QStringLiteral("In-patients")));
}
