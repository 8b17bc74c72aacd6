#pragma once

#include "Report.h"

#include <QWidget>

#include <memory>

namespace pwo {

class ReportView;

// A window of its own for one report: rptViewer1 fills it. Each ShowReport
// makes a new one; it keeps its own reference to its report, so closing one
// viewer leaves the others working. Closing it empties Globals.CurrentReport.
class frmReportViewer : public QWidget {
    Q_OBJECT
public:
    explicit frmReportViewer(std::shared_ptr<Report> report);

    // Runs the report's queries through the user's connection and shows the
    // first page at page width. Throws when the report cannot be run.
    void Form_Load();

    ReportView *rptViewer1() const { return rptViewer1_; }
    const std::shared_ptr<Report> &report() const { return report_; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    std::shared_ptr<Report> report_;
    ReportView *rptViewer1_;
};

} // namespace pwo
