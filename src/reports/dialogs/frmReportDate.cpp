#include "ReportDialogs.h"
#include "ReportPeriodWindow.h"

#include <QDateEdit>

namespace pwo {

void frmReportDate::Show()
{
    CloseForm = false;
    ReportPeriodWindow window(QStringLiteral("frmReportDate"), QStringLiteral("Generate Report"),
                              QStringLiteral("Report Date"));
    const QDateEdit *dtStart = window.addDatePicker(QStringLiteral("Report Date :"), QStringLiteral("dtStart"));
    CloseForm = !window.run();
    if (CloseForm)
        return;
    startDate = dtStart->date();
    startdate = shortDateText(startDate);
}

frmReportDate &ReportDate()
{
    static frmReportDate dialog;
    return dialog;
}

} // namespace pwo
