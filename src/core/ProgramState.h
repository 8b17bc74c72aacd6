#pragma once

#include "CurrentPatient.h"
#include "modGlobals.h"

#include <QDate>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace pwo {

// What the social-worker lookup (frmEmployeeListing) hands back.
struct WorkerChoice {
    // The code of the row last selected since the program started (empty
    // before the first): closing the list without a selection keeps it.
    QString WorkerCode;
};

// What a report period dialog hands back, kept across its showings. Dates
// are kept both as the picked date and as its text in the desk's short
// date form. CloseForm is true when the user left with "&Close" or the
// title-bar close box.
struct ReportPeriodChoice {
    QString startdate;
    QString enddate;
    QDate startDate;
    QDate endDate;
    // frmReportDate2 only: set by its worker search, kept between showings.
    QString WorkerCode;
    // frmReportDateCategory only.
    QString category;
    bool CloseForm = false;
};

// The notice chosen in the discharge-notice list, handed to the clearing
// window. Valid is true once a notice was chosen with "&Select".
struct DischargeNoticeChoice {
    QString IDNUM;
    bool Valid = false;
};

// The referral chosen in one of the two referral lists, handed to the answer
// window: Valid is true only while the choice is being handed over.
struct ReferralChoice {
    QString IDNUM;
    QString REFNUM;
    bool Valid = false;
};

// What a code-tree picker (services or activities) hands back. The picker
// keeps it between showings: Selected is set by OK and never set back.
struct CodePickerChoice {
    // Before showing: the caller's code string; after OK: the picker's.
    QString ResultCode;
    bool Selected = false;
    // The node last double-clicked: its code and its text.
    QString Code;
    QString Description;
};

// Everything that lives as long as the program: one owner, so that a new
// program (a test's) starts it all afresh with one call.
struct ProgramState {
    pwo::Globals Globals;
    CurrentPatientProperties CurrentPatient;
    WorkerChoice EmployeeListing;
    ReportPeriodChoice ReportDate;
    ReportPeriodChoice ReportDateRange;
    ReportPeriodChoice ReportDate2;
    ReportPeriodChoice ReportDateCategory;
    DischargeNoticeChoice DischargeNotice;
    ReferralChoice ReferralToMedicalTeam;
    ReferralChoice ReferralHistory;
    CodePickerChoice SearchService;
    CodePickerChoice SearchActivity;
    // The frame of the logged-in session, while one is loaded.
    QPointer<QWidget> Frame;
};

ProgramState &programState();
// Replaces the whole state with a new one.
void startProgramStateAfresh();

inline CurrentPatientProperties &CurrentPatient() { return programState().CurrentPatient; }
inline WorkerChoice &EmployeeListing() { return programState().EmployeeListing; }
inline ReportPeriodChoice &ReportDate() { return programState().ReportDate; }
inline ReportPeriodChoice &ReportDateRange() { return programState().ReportDateRange; }
inline ReportPeriodChoice &ReportDate2() { return programState().ReportDate2; }
inline ReportPeriodChoice &ReportDateCategory() { return programState().ReportDateCategory; }
inline DischargeNoticeChoice &DischargeNotice() { return programState().DischargeNotice; }
inline ReferralChoice &ReferralToMedicalTeam() { return programState().ReferralToMedicalTeam; }
inline ReferralChoice &ReferralHistory() { return programState().ReferralHistory; }
inline CodePickerChoice &SearchService() { return programState().SearchService; }
inline CodePickerChoice &SearchActivity() { return programState().SearchActivity; }

} // namespace pwo
