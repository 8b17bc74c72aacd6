#pragma once

#include "ReportPeriodWindow.h"

class QDateEdit;

namespace pwo {

// The one-date dialog of the reports.
class frmReportDate : public ReportPeriodWindow {
public:
    frmReportDate();
    // Shows a new window modal; the choice is kept in ReportDate().
    static void Show();

private:
    QDateEdit *dtStart;
};

} // namespace pwo
