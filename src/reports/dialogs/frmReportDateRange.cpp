#include "ReportDialogs.h"
#include "ReportPeriodWindow.h"

namespace pwo {

void frmReportDateRange::Show()
{
    CloseForm = false;
    ReportPeriodWindow window(QStringLiteral("frmReportDateRange"), QStringLiteral("Report Date Entry"),
                              QStringLiteral("Report Date"));
    const PeriodPickers period(window);
    window.centreOnScreen();
    CloseForm = !window.run();
    if (!CloseForm)
        period.copyInto(*this);
}

frmReportDateRange &ReportDateRange()
{
    static frmReportDateRange dialog;
    return dialog;
}

} // namespace pwo
