#include "frmReportDate.h"

#include "core/ProgramState.h"

#include <QDateEdit>

namespace pwo {

frmReportDate::frmReportDate()
    : ReportPeriodWindow(QStringLiteral("frmReportDate"), QStringLiteral("Generate Report"),
                         QStringLiteral("Report Date")),
      dtStart(addDatePicker(QStringLiteral("Report Date :"), QStringLiteral("dtStart")))
{
}

void frmReportDate::Show()
{
    ReportPeriodChoice &choice = ReportDate();
    frmReportDate window;
    if (!window.runFor(choice))
        return;
    choice.startDate = window.dtStart->date();
    choice.startdate = shortDateText(choice.startDate);
}

} // namespace pwo
