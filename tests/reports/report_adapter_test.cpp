#include "ProgramUnderTest.h"
#include "ReportTestSupport.h"
#include "TestPrinters.h"

#include "hospital/dbserver/StandInProvider.h"
#include "reports/ReportOutputChooser.h"
#include "reports/ReportView.h"
#include "reports/frmReportViewer.h"
#include "reports/modReports.h"
#include "frame/mdiPWO.h"
#include "core/modGlobals.h"

#include "data/ServerSession.h"

#include <QDir>
#include <QPointer>
#include <QPrinter>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace pwo;

namespace {

// The demo's patients fill several pages.
const QString patientList = QStringLiteral(R"([report]
[parameters]
from = text
[header]
| {company}
[query]
SELECT HospNum, LastName FROM PATIENT_DATA..tbMaster WHERE LastName >= @from ORDER BY HospNum
[columns]
HospNum  | Hosp. No.  | 40
LastName | Last name  | 40
)");

const QString onlySubreports = QStringLiteral(R"([report]
[header]
| Only parts below
[subreport Names]
[parameters]
last = text
[query]
SELECT LastName FROM PATIENT_DATA..tbMaster WHERE LastName = @last
[columns]
LastName | Last name | 50
)");

QStringList statementsWith(const ProgramUnderTest &program, const QString &part)
{
    return program.statementTexts().filter(part);
}

} // namespace

TEST(ReportAdapter, AQuoteInAValueReachesTheServerDoubled)
{
    ProgramUnderTest program;
    program.startAs();
    ReportFolder folder;
    const QString path = folder.write(QStringLiteral("Only.rpt"), onlySubreports);
    OpenReport(path, {});
    OpenSubreport(QStringLiteral("Names"), {Value("O'Brien")});
    ShowReport(QStringLiteral("Names"));
    EXPECT_EQ(statementsWith(program, QStringLiteral("tbMaster WHERE LastName")),
              (QStringList{"SELECT LastName FROM PATIENT_DATA..tbMaster WHERE LastName = 'O''Brien'"}));
}

TEST(ReportAdapter, AReportWithOnlySubreportsOpensAndShowsThem)
{
    ProgramUnderTest program;
    program.startAs();
    program.database().sqlite(QStringLiteral("UPDATE PATIENT_DATA.tbMaster SET LastName = 'ZAMORA' "
                                             "WHERE HospNum = (SELECT min(HospNum) FROM PATIENT_DATA.tbMaster)"));
    ReportFolder folder;
    OpenReport(folder.write(QStringLiteral("Only.rpt"), onlySubreports), {Value("ignored"), Value("too")});
    EXPECT_EQ(globals().CurrentReport->titleText(), globals().Company);
    OpenSubreport(QStringLiteral("Names"), {Value("ZAMORA"), Value("extra is ignored")});
    EXPECT_EQ(globals().CurrentReport->logOnInfo(QStringLiteral("Names")).userName, QStringLiteral("sa"));
    ShowReport(QStringLiteral("Parts"));
    const QList<QWidget *> viewers = openViewers();
    ASSERT_EQ(viewers.size(), 1);
    EXPECT_EQ(viewers.front()->windowTitle(), QStringLiteral("Parts"));
    EXPECT_TRUE(viewers.front()->isMaximized());
    const auto *viewer = static_cast<frmReportViewer *>(viewers.front());
    const QStringList texts = viewer->rptViewer1()->report().texts();
    EXPECT_TRUE(texts.contains(QStringLiteral("Only parts below")));
    EXPECT_TRUE(texts.contains(QStringLiteral("ZAMORA")));
}

TEST(ReportAdapter, TwoViewersLiveApartAndClosingOneLeavesTheOtherPaging)
{
    ProgramUnderTest program;
    program.startAs();
    ReportFolder folder;
    const QString path = folder.write(QStringLiteral("Patients.rpt"), patientList);
    OpenReport(path, {Value("A")});
    ShowReport(QStringLiteral("First"));
    OpenReport(path, {Value("A")});
    ShowReport(QStringLiteral("Second"));
    ASSERT_EQ(openViewers().size(), 2);
    QPointer<frmReportViewer> first, second;
    for (QWidget *w : openViewers())
        (w->windowTitle() == QLatin1String("First") ? first : second) = static_cast<frmReportViewer *>(w);
    ASSERT_TRUE(first && second);
    EXPECT_NE(first->report(), second->report());
    EXPECT_EQ(globals().CurrentReport, second->report());

    first->close();
    program.settle();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(globals().CurrentReport, nullptr);
    ASSERT_TRUE(second);
    ReportView *view = second->rptViewer1();
    ASSERT_GT(view->pageCount(), 2);
    second->findChild<QToolButton *>(QStringLiteral("cmdNextPage"))->click();
    EXPECT_EQ(view->currentPage(), 1);
    EXPECT_FALSE(program.ended());
}

TEST(ReportAdapter, TheViewerPagesPrintsAndExportsByKeyboard)
{
    ProgramUnderTest program;
    program.startAs();
    ReportFolder folder;
    OpenReport(folder.write(QStringLiteral("Patients.rpt"), patientList), {Value("A")});
    ShowReport(QStringLiteral("Keys"));
    auto *viewer = static_cast<frmReportViewer *>(openViewers().front());
    viewer->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(viewer));
    ReportView *view = viewer->rptViewer1();
    const int pages = view->pageCount();
    QTest::keyClick(viewer, Qt::Key_PageDown);
    EXPECT_EQ(view->currentPage(), 1);
    QTest::keyClick(viewer, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(view->currentPage(), pages - 1);
    QTest::keyClick(viewer, Qt::Key_PageUp);
    EXPECT_EQ(view->currentPage(), pages - 2);
    auto *first = viewer->findChild<QToolButton *>(QStringLiteral("cmdFirstPage"));
    EXPECT_NE(first->focusPolicy() & Qt::TabFocus, 0);
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Space);
    EXPECT_EQ(view->currentPage(), 0);

    struct ToFile : ReportOutputChooser {
        QString path;
        bool choosePrinter(QPrinter &, QWidget *) override { return false; }
        QString choosePdfFile(QWidget *, const QString &) override { return path; }
    } chooser;
    QTemporaryDir out;
    chooser.path = out.filePath(QStringLiteral("keys.pdf"));
    ReportOutputChooser::install(&chooser);
    QTest::keyClick(viewer, Qt::Key_E, Qt::ControlModifier);
    ReportOutputChooser::install(nullptr);
    EXPECT_TRUE(pdfText(chooser.path).contains(QStringLiteral("Hosp. No.")));
}

TEST(ReportAdapter, AMalformedDefinitionIsReportedWithFileAndLineAndTheProgramGoesOn)
{
    ProgramUnderTest program;
    program.startAs();
    ReportFolder folder;
    folder.write(QStringLiteral("ListofGrantees.rpt"), QStringLiteral("[report]\n[columns]\nx | X | ten\n"));
    program.mainWindow()->menuItem(QStringLiteral("mnuRptListOfGrantees"))->trigger();
    ASSERT_EQ(program.prompter().asked().size(), 1);
    const Prompt &prompt = program.prompter().asked().front().prompt;
    EXPECT_TRUE(prompt.text.contains(QStringLiteral("ListofGrantees.rpt"))) << prompt.text.toStdString();
    EXPECT_TRUE(prompt.text.contains(QStringLiteral("line 3"))) << prompt.text.toStdString();
    EXPECT_EQ(prompt.icon, QMessageBox::Critical);
    EXPECT_TRUE(openViewers().isEmpty());
    EXPECT_FALSE(program.ended());
    EXPECT_NE(program.mainWindow(), nullptr);
}

TEST(ReportAdapter, AMissingDefinitionIsReportedWithItsName)
{
    ProgramUnderTest program;
    program.startAs();
    ReportFolder folder;
    program.mainWindow()->menuItem(QStringLiteral("mnuRptListOfGrantees"))->trigger();
    ASSERT_EQ(program.prompter().asked().size(), 1);
    EXPECT_TRUE(program.prompter().asked().front().prompt.text.contains(QStringLiteral("ListofGrantees.rpt")));
    EXPECT_TRUE(openViewers().isEmpty());
}

TEST(ReportAdapter, ReportsReadThroughTheUsersConnectionAndNeverLogOnAsSa)
{
    ProgramUnderTest program;
    program.startAs();
    QStringList opened;
    pwo::registerProvider(hospital::dbserver::standInProvider,
                          [&opened](const QString &connectionString, const QString &user, const QString &) {
                              opened << user + QStringLiteral("|") + connectionString;
                              return std::unique_ptr<ServerSession>();
                          });
    ReportFolder folder;
    OpenReport(folder.write(QStringLiteral("Patients.rpt"), patientList), {Value("A")});
    ShowReport(QStringLiteral("Er"));
    hospital::dbserver::registerStandInProvider();
    EXPECT_TRUE(opened.isEmpty()) << opened.join(u'\n').toStdString();
    EXPECT_EQ(statementsWith(program, QStringLiteral("WHERE LastName >= 'A'")).size(), 1);
    EXPECT_EQ(openViewers().size(), 1);
    EXPECT_FALSE(globals().CurrentReport->logOnInfo().serverName.isNull());
}

TEST(ReportAdapter, TheViewerClosesWithEscCtrlWAndItsCloseButton)
{
    ProgramUnderTest program;
    program.startAs();
    ReportFolder folder;
    const QString path = folder.write(QStringLiteral("Patients.rpt"), patientList);
    const auto closesWith = [&](const std::function<void(QWidget &)> &press) {
        OpenReport(path, {Value("A")});
        ShowReport(QStringLiteral("Closing"));
        QPointer<QWidget> viewer = openViewers().front();
        viewer->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(viewer));
        press(*viewer);
        program.settle();
        return viewer.isNull() && openViewers().isEmpty();
    };
    EXPECT_TRUE(closesWith([](QWidget &w) { QTest::keyClick(&w, Qt::Key_Escape); }));
    EXPECT_TRUE(closesWith([](QWidget &w) { QTest::keyClick(&w, Qt::Key_W, Qt::ControlModifier); }));
    EXPECT_TRUE(closesWith([](QWidget &w) { w.findChild<QToolButton *>(QStringLiteral("cmdClose"))->click(); }));
    EXPECT_EQ(globals().CurrentReport, nullptr);
}

TEST(ReportAdapter, PrintingARangePrintsThosePagesOnly)
{
    ProgramUnderTest program;
    program.startAs();
    ReportFolder folder;
    OpenReport(folder.write(QStringLiteral("Patients.rpt"), patientList), {Value("A")});
    ShowReport(QStringLiteral("Range"));
    auto *viewer = static_cast<frmReportViewer *>(openViewers().front());
    ASSERT_GT(viewer->rptViewer1()->pageCount(), 3);
    struct PagesTwoToThree : ReportOutputChooser {
        QString path;
        bool choosePrinter(QPrinter &printer, QWidget *) override
        {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(2, 3);
            return true;
        }
        QString choosePdfFile(QWidget *, const QString &) override { return {}; }
    } chooser;
    QTemporaryDir out;
    chooser.path = out.filePath(QStringLiteral("range.pdf"));
    ReportOutputChooser::install(&chooser);
    viewer->findChild<QToolButton *>(QStringLiteral("cmdPrint"))->click();
    ReportOutputChooser::install(nullptr);
    const QString text = pdfText(chooser.path);
    const int pages = viewer->rptViewer1()->pageCount();
    EXPECT_EQ(text.count(u'\f'), 2) << text.left(300).toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Page 2 of %1").arg(pages)));
    EXPECT_TRUE(text.contains(QStringLiteral("Page 3 of %1").arg(pages)));
    EXPECT_FALSE(text.contains(QStringLiteral("Page 1 of %1").arg(pages)));
}

TEST(ReportAdapter, APdfThatCannotBeWrittenIsHeadedWithWhatFailed)
{
    ProgramUnderTest program;
    program.startAs();
    ReportFolder folder;
    OpenReport(folder.write(QStringLiteral("Patients.rpt"), patientList), {Value("A")});
    ShowReport(QStringLiteral("Nowhere"));
    struct ToNowhere : ReportOutputChooser {
        bool choosePrinter(QPrinter &, QWidget *) override { return false; }
        QString choosePdfFile(QWidget *, const QString &) override { return QStringLiteral("/no/such/folder//x.pdf"); }
    } chooser;
    ReportOutputChooser::install(&chooser);
    openViewers().front()->findChild<QToolButton *>(QStringLiteral("cmdExport"))->click();
    ReportOutputChooser::install(nullptr);
    ASSERT_EQ(program.prompter().asked().size(), 1);
    const QString text = program.prompter().asked().front().prompt.text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("The PDF file could not be exported."))) << text.toStdString();
    EXPECT_TRUE(text.contains(QDir::toNativeSeparators(QStringLiteral("/no/such/folder/x.pdf")))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Error -1")));
    EXPECT_EQ(openViewers().size(), 1);
}
