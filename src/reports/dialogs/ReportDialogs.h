#pragma once

#include <QDate>
#include <QString>

namespace pwo {

// The four period dialogs of the reports. Each object lives as long as the
// program and keeps what the user chose; its window is created anew, and
// shown modal, on every Show(). CloseForm is true when the user left with
// "&Close" or the title-bar close box. Dates are kept both as the picked
// date and as its text in the desk's short date form.

class frmReportDate {
public:
    void Show();
    QString startdate;
    QDate startDate;
    bool CloseForm = false;
};

class frmReportDateRange {
public:
    void Show();
    QString startdate;
    QString enddate;
    QDate startDate;
    QDate endDate;
    bool CloseForm = false;
};

class frmReportDate2 {
public:
    // The worker row (lblpwow, txtPWOW, cmdSearch) shows only when asked for.
    void Show(bool withWorkerRow = false);
    QString startdate;
    QString enddate;
    QDate startDate;
    QDate endDate;
    QString WorkerCode;  // set only by the worker search; kept between showings
    bool CloseForm = false;
};

class frmReportDateCategory {
public:
    void Show();
    QString startdate;
    QString enddate;
    QDate startDate;
    QDate endDate;
    QString category;
    bool CloseForm = false;
};

frmReportDate &ReportDate();
frmReportDateRange &ReportDateRange();
frmReportDate2 &ReportDate2();
frmReportDateCategory &ReportDateCategory();

} // namespace pwo
