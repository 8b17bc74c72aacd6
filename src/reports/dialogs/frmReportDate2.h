#pragma once

#include "ReportPeriodWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace pwo {

// The start and end date dialog with, on request, the social worker the
// report is for.
class frmReportDate2 : public ReportPeriodWindow {
public:
    explicit frmReportDate2(bool withWorkerRow);
    // Shows a new window modal; the choice is kept in ReportDate2(), whose
    // WorkerCode only the worker search sets.
    static void Show(bool withWorkerRow = false);

private:
    void cmdSearch_Click();

    PeriodPickers period_;
    QLabel *lblpwow;
    QLineEdit *txtPWOW;
    QPushButton *cmdSearch;
};

} // namespace pwo
