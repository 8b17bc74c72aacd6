#pragma once

#include "ReportPeriodWindow.h"

namespace pwo {

// The start and end date dialog of the reports.
class frmReportDateRange : public ReportPeriodWindow {
public:
    frmReportDateRange();
    // Shows a new window modal; the choice is kept in ReportDateRange().
    static void Show();

private:
    PeriodPickers period_;
};

} // namespace pwo
