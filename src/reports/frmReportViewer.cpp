#include "frmReportViewer.h"

#include "ReportView.h"

#include "core/modGlobals.h"

#include <QCloseEvent>
#include <QVBoxLayout>

#include <stdexcept>

namespace pwo {

frmReportViewer::frmReportViewer(std::shared_ptr<Report> report)
    : report_(std::move(report)), rptViewer1_(new ReportView(this))
{
    setObjectName(QStringLiteral("frmReportViewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    rptViewer1_->setObjectName(QStringLiteral("rptViewer1"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(rptViewer1_);
    resize(900, 700);
}

void frmReportViewer::Form_Load()
{
    const Globals &g = globals();
    if (!g.Connection)
        throw std::runtime_error("A report needs the database connection of a logged-in user.");
    const QString user = g.CurrentUser ? g.CurrentUser->EmployeeName() : QString();
    rptViewer1_->setReport(report_->render(*g.Connection, user));
    rptViewer1_->setZoom(ReportView::Zoom::PageWidth);
}

void frmReportViewer::closeEvent(QCloseEvent *event)
{
    globals().CurrentReport.reset();
    event->accept();
}

} // namespace pwo
