#include "frmReportDateRange.h"

#include "core/ProgramState.h"

namespace pwo {

frmReportDateRange::frmReportDateRange()
    : ReportPeriodWindow(QStringLiteral("frmReportDateRange"), QStringLiteral("Report Date Entry"),
                         QStringLiteral("Report Date")),
      period_(*this)
{
    centreOnScreen();
}

void frmReportDateRange::Show()
{
    ReportPeriodChoice &choice = ReportDateRange();
    frmReportDateRange window;
    if (window.runFor(choice))
        window.period_.copyInto(choice);
}

} // namespace pwo
