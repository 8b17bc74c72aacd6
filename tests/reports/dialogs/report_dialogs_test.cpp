#include "LoggedInProgram.h"
#include "ModalWindows.h"
#include "TestPrinters.h"

#include "core/ProgramState.h"
#include "reports/dialogs/frmReportDate.h"
#include "reports/dialogs/frmReportDate2.h"
#include "reports/dialogs/frmReportDateCategory.h"
#include "reports/dialogs/frmReportDateRange.h"
#include "reports/dialogs/ReportPeriodWindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

#include <functional>

using namespace pwo;

namespace {

struct Dialog {
    QString name;
    QString caption;
    QString titleLabel;
    QStringList pickers;
    std::function<void()> show;
    std::function<bool()> closeForm;
};

std::vector<Dialog> theFourDialogs()
{
    const QStringList two{"dtStart", "dtEnd"};
    return {
        {"frmReportDate", "Generate Report", "Report Date", {"dtStart"}, [] { frmReportDate::Show(); },
         [] { return ReportDate().CloseForm; }},
        {"frmReportDateRange", "Report Date Entry", "Report Date", two, [] { frmReportDateRange::Show(); },
         [] { return ReportDateRange().CloseForm; }},
        {"frmReportDate2", "Report Date Entry", "Report Date", two, [] { frmReportDate2::Show(); },
         [] { return ReportDate2().CloseForm; }},
        {"frmReportDateCategory", "Report ", "Search NBB Report", two, [] { frmReportDateCategory::Show(); },
         [] { return ReportDateCategory().CloseForm; }},
    };
}

QStringList labelTexts(QWidget &window)
{
    QStringList texts;
    for (const QLabel *label : window.findChildren<QLabel *>())
        texts << label->text();
    return texts;
}

template <typename Dialog>
void expectPeriod(const Dialog &dialog, const QDate &start, const QDate &end)
{
    EXPECT_EQ(dialog.startDate, start);
    EXPECT_EQ(dialog.startdate, shortDateText(start));
    EXPECT_EQ(dialog.endDate, end);
    EXPECT_EQ(dialog.enddate, shortDateText(end));
}

void pressEnter(const QString &dialog)
{
    whenShown(dialog, [](QWidget &window) { click(window, QStringLiteral("cmdEnter")); });
}

// Picks the employee with the code in the list the search button opens.
void pickWorker(QWidget &dialog, const QString &code)
{
    whenShown(QStringLiteral("frmEmployeeListing"), [code](QWidget &list) {
        auto &view = child<QTableView>(list, QStringLiteral("GridListWorkers"));
        for (int row = 0; row < view.model()->rowCount(); ++row)
            if (view.model()->index(row, 1).data().toString() == code)
                view.setCurrentIndex(view.model()->index(row, 1));
        click(list, code.isEmpty() ? QStringLiteral("cmdClose") : QStringLiteral("cmdSelect"));
    });
    click(dialog, QStringLiteral("cmdSearch"));
}

QString workerName(QWidget &dialog)
{
    return child<QLineEdit>(dialog, QStringLiteral("txtPWOW")).text();
}

} // namespace

using ReportDialogs = LoggedInProgram;

TEST_F(ReportDialogs, EnterUntouchedGivesTodayInEveryDateProperty)
{
    for (const Dialog &dialog : theFourDialogs()) {
        SCOPED_TRACE(dialog.name.toStdString());
        whenShown(dialog.name, [&dialog](QWidget &window) {
            EXPECT_EQ(window.windowTitle(), dialog.caption);
            EXPECT_TRUE(labelTexts(window).contains(dialog.titleLabel));
            for (const QString &picker : dialog.pickers)
                EXPECT_EQ(child<QDateEdit>(window, picker).date(), QDate::currentDate());
            EXPECT_EQ(child<QAbstractButton>(window, QStringLiteral("cmdEnter")).text(), QStringLiteral("&Enter"));
            EXPECT_EQ(child<QAbstractButton>(window, QStringLiteral("cmdClose")).text(), QStringLiteral("&Close"));
            click(window, QStringLiteral("cmdEnter"));
        });
        dialog.show();
        EXPECT_FALSE(dialog.closeForm());
    }
    const QDate today = QDate::currentDate();
    EXPECT_EQ(ReportDate().startDate, today);
    EXPECT_EQ(ReportDate().startdate, shortDateText(today));
    expectPeriod(ReportDateRange(), today, today);
    expectPeriod(ReportDate2(), today, today);
    expectPeriod(ReportDateCategory(), today, today);
    EXPECT_TRUE(shortDateText(today).contains(QString::number(today.year()))) << "the year is written out";
}

TEST_F(ReportDialogs, CloseAndTheTitleBarCloseBoxBothSetCloseForm)
{
    for (const Dialog &dialog : theFourDialogs()) {
        SCOPED_TRACE(dialog.name.toStdString());
        whenShown(dialog.name, [](QWidget &window) { click(window, QStringLiteral("cmdClose")); });
        dialog.show();
        EXPECT_TRUE(dialog.closeForm());
        pressEnter(dialog.name);
        dialog.show();
        EXPECT_FALSE(dialog.closeForm()) << "each showing starts with CloseForm false";
        whenShown(dialog.name, [](QWidget &window) { window.close(); });
        dialog.show();
        EXPECT_TRUE(dialog.closeForm());
    }
}

TEST_F(ReportDialogs, DatesArePassedOnAsPickedEvenBackwards)
{
    const QDate start(2026, 3, 31);
    const QDate end(2026, 3, 1);
    whenShown(QStringLiteral("frmReportDateRange"), [&](QWidget &window) {
        child<QDateEdit>(window, QStringLiteral("dtStart")).setDate(start);
        child<QDateEdit>(window, QStringLiteral("dtEnd")).setDate(end);
        click(window, QStringLiteral("cmdEnter"));
    });
    frmReportDateRange::Show();
    expectPeriod(ReportDateRange(), start, end);
}

TEST_F(ReportDialogs, TheCategoryListHoldsTheCategoriesWithNoneChosen)
{
    whenShown(QStringLiteral("frmReportDateCategory"), [](QWidget &window) {
        auto &cmbCategory = child<QComboBox>(window, QStringLiteral("cmbCategory"));
        QStringList items;
        for (int i = 0; i < cmbCategory.count(); ++i)
            items << cmbCategory.itemText(i);
        EXPECT_EQ(items, (QStringList{"Medical Assistance", "Financial Assistance", "Abandoned/Neglected",
                                      "Senior Citizen", "Person with Disability", "Victim of Abuse"}));
        EXPECT_EQ(cmbCategory.currentIndex(), -1);
        click(window, QStringLiteral("cmdEnter"));
    });
    frmReportDateCategory::Show();
    EXPECT_EQ(ReportDateCategory().category, QString());
    ASSERT_EQ(sent(), QStringList{"select category from tbPwoCaseCategory"});
    EXPECT_EQ(trace().front().lockType, 3);

    whenShown(QStringLiteral("frmReportDateCategory"), [](QWidget &window) {
        child<QComboBox>(window, QStringLiteral("cmbCategory")).setCurrentIndex(2);
        click(window, QStringLiteral("cmdEnter"));
    });
    frmReportDateCategory::Show();
    EXPECT_EQ(ReportDateCategory().category, QStringLiteral("Abandoned/Neglected"));
}

TEST_F(ReportDialogs, TheWorkerRowShowsOnlyWhenAskedFor)
{
    const QStringList workerRow{"lblpwow", "txtPWOW", "cmdSearch"};
    for (bool withWorker : {false, true}) {
        whenShown(QStringLiteral("frmReportDate2"), [&](QWidget &window) {
            for (const QString &name : workerRow)
                EXPECT_EQ(child<QWidget>(window, name).isVisible(), withWorker) << qPrintable(name);
            EXPECT_EQ(child<QLabel>(window, QStringLiteral("lblpwow")).text(), QStringLiteral(" PWOW"));
        });
        frmReportDate2::Show(withWorker);
    }
}

TEST_F(ReportDialogs, TheWorkerFoundLastIsKeptForTheNextRun)
{
    whenShown(QStringLiteral("frmReportDate2"), [](QWidget &window) {
        pickWorker(window, QStringLiteral("demo"));
        EXPECT_EQ(workerName(window), QStringLiteral("ANA MARIE C. REYES"));
        click(window, QStringLiteral("cmdEnter"));
    });
    frmReportDate2::Show(true);
    EXPECT_EQ(ReportDate2().WorkerCode, QStringLiteral("demo"));
    const qsizetype statementsOfTheFirstRun = sent().size();

    whenShown(QStringLiteral("frmReportDate2"), [](QWidget &window) {
        EXPECT_TRUE(workerName(window).isEmpty());
        click(window, QStringLiteral("cmdEnter"));
    });
    frmReportDate2::Show(true);
    EXPECT_EQ(ReportDate2().WorkerCode, QStringLiteral("demo"));
    EXPECT_FALSE(ReportDate2().CloseForm);
    EXPECT_EQ(sent().size(), statementsOfTheFirstRun) << "no search without the button";
}

TEST_F(ReportDialogs, AWorkerNoLongerThereLeavesTheNameBoxAsItWas)
{
    whenShown(QStringLiteral("frmReportDate2"), [this](QWidget &window) {
        pickWorker(window, QStringLiteral("demo"));
        program.database().sqlite(QStringLiteral("DELETE FROM BUILD_FILE.tbCoEmployee WHERE EmployeeCode = 'demo'"));
        pickWorker(window, QString());
        EXPECT_EQ(workerName(window), QStringLiteral("ANA MARIE C. REYES"));
        click(window, QStringLiteral("cmdEnter"));
    });
    frmReportDate2::Show(true);
    EXPECT_EQ(ReportDate2().WorkerCode, QStringLiteral("demo"));
    EXPECT_EQ(program.prompter().texts(), QStringList{"Employee No Longer Exists."});
}
