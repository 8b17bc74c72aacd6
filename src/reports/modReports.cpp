#include "modReports.h"

#include "frmReportViewer.h"

#include "core/modGlobals.h"

#include <stdexcept>

namespace pwo {

namespace {

void logOn(Report &report, const QString &subreport)
{
    const CurrentUserComponent *user = globals().CurrentUser.get();
    if (!user)
        throw std::runtime_error("A report needs a logged-in user.");
    report.setLogOnInfo(subreport, user->ServerName(), user->Database(), QStringLiteral("sa"), user->ServerPassword());
}

Report &currentReport(const char *operation)
{
    if (!globals().CurrentReport)
        throw std::runtime_error(std::string(operation) + ": no report is open; OpenReport comes first.");
    return *globals().CurrentReport;
}

} // namespace

void OpenReport(const QString &filePath, const ReportParameters &values)
{
    std::shared_ptr<Report> report = Report::open(filePath);
    globals().CurrentReport = report;
    report->setTitleText(globals().Company);
    logOn(*report, {});
    if (!values.empty())
        report->setParameterValues({}, values);
}

void OpenSubreport(const QString &name, const ReportParameters &values)
{
    Report &report = currentReport("OpenSubreport");
    logOn(report, name);
    if (!values.empty())
        report.setParameterValues(name, values);
}

void ShowReport(const QString &title)
{
    currentReport("ShowReport");
    auto *viewer = new frmReportViewer(globals().CurrentReport);
    viewer->setWindowTitle(title);
    try {
        viewer->Form_Load();
    } catch (...) {
        delete viewer;
        throw;
    }
    viewer->showMaximized();
}

} // namespace pwo
