#include "ReportCatalogue.h"

#include "ReportFailure.h"
#include "modReports.h"

#include "core/ProgramState.h"
#include "data/SqlText.h"
#include "reports/dialogs/frmReportDate.h"
#include "reports/dialogs/frmReportDate2.h"
#include "reports/dialogs/frmReportDateRange.h"

#include <QAction>

#include <stdexcept>

namespace pwo {

namespace {

// "Daily ER Admission" and "Daily ER Discharges" share one file: "2" lists
// the day's arrivals, "1" the day's discharges.
void dailyErReport(const QString &kind, const QString &title)
{
    frmReportDate::Show();
    const ReportPeriodChoice &dialog = ReportDate();
    if (dialog.CloseForm)
        return;
    OpenReport(reportFilePath(QStringLiteral("\\ERAdmission.rpt")), {kind, sql::dateText(dialog.startDate)});
    ShowReport(title);
}

} // namespace

void mnuRptListOfGrantees_Click()
{
    OpenReport(reportFilePath(QStringLiteral("\\ListofGrantees.rpt")), {});
    ShowReport(QStringLiteral("List of Grantees"));
}

void mnuRptListOfAssessments_Click()
{
    frmReportDateRange::Show();
    const ReportPeriodChoice &dialog = ReportDateRange();
    if (dialog.CloseForm)
        return;
    OpenReport(reportFilePath(QStringLiteral("\\ListofAssessment.rpt")),
               {sql::dateText(dialog.startDate), sql::dateText(dialog.endDate)});
    ShowReport(QStringLiteral("List of Assessments"));
}

void mnuRptDailyERAdmission_Click()
{
    dailyErReport(QStringLiteral("2"), QStringLiteral("Daily ER Admission Report"));
}

void mnuRptDailyERDischarges_Click()
{
    dailyErReport(QStringLiteral("1"), QStringLiteral("Daily ER Discharges Report"));
}

void mnuRptMonthlyPerformance_Click()
{
    frmReportDate2::Show(true);
    const ReportPeriodChoice &dialog = ReportDate2();
    if (dialog.CloseForm)
        return;
    const Globals &g = globals();
    const QString s = sql::dateText(dialog.startDate);
    const QString e = sql::dateText(dialog.endDate);
    const QString w = dialog.WorkerCode;
    OpenReport(reportFilePath(QStringLiteral("\\MonthlyPerformance.rpt")),
               {g.Company, g.Address1, g.CurrentUser->EmployeeName(), s, e, w});
    for (const char *name : {"I.SourceOfReferral", "II.Caseload", "III.CaseloadPerCategory", "IV.Services"})
        OpenSubreport(QString::fromLatin1(name), {s, e, w});
    OpenSubreport(QStringLiteral("documentation"), {s, e, w, g.CurrentUser->employeecode()});
    ShowReport(QStringLiteral("Monthly Performance Report"));
}

void wireReportMenu(const std::function<QAction *(const QString &name)> &menuItem)
{
    const std::pair<const char *, void (*)()> items[] = {
        {"mnuRptListOfGrantees", &mnuRptListOfGrantees_Click},
        {"mnuRptListOfAssessments", &mnuRptListOfAssessments_Click},
        {"mnuRptDailyERAdmission", &mnuRptDailyERAdmission_Click},
        {"mnuRptDailyERDischarges", &mnuRptDailyERDischarges_Click},
        {"mnuRptMonthlyPerformance", &mnuRptMonthlyPerformance_Click},
    };
    for (const auto &[name, handler] : items) {
        QAction *action = menuItem(QString::fromLatin1(name));
        if (!action)
            throw std::logic_error(std::string("The main menu has no item ") + name);
        action->setEnabled(true);
        QObject::connect(action, &QAction::triggered, action, [handler = handler] {
            runReportAction(QStringLiteral("The report could not be opened."), handler);
        });
    }
}

} // namespace pwo
