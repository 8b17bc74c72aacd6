#pragma once

#include "ReportPeriodWindow.h"

class QComboBox;

namespace pwo {

// The start and end date dialog with a case category.
class frmReportDateCategory : public ReportPeriodWindow {
public:
    frmReportDateCategory();
    // Shows a new window modal; the choice is kept in ReportDateCategory().
    static void Show();

private:
    void fillCategories();

    PeriodPickers period_;
    QComboBox *cmbCategory;
};

} // namespace pwo
