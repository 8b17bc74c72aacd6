#pragma once

#include "data/Value.h"

#include <QString>

class QDateEdit;

namespace pwo {

struct frmIntakeSheetForm;

// The patient the window was opened for, copied from the current patient.
struct IntakePatient {
    QString IDNUM;
    QString HospNum;
    QString ERNum;
};

// A stored date into a picker; a null, empty or unreadable one leaves the
// picker as it is (today on a new sheet), since a picker must hold a date.
void showStoredDate(QDateEdit &picker, const Value &stored);

// The four save statements of the sheet, with the values as the controls
// hold them.
QString saveIntakeSheetDataStatement(const frmIntakeSheetForm &form, const IntakePatient &patient);
QString saveOtherPatientInfoStatement(const frmIntakeSheetForm &form, const IntakePatient &patient);
QString savePatientDataStatement(const frmIntakeSheetForm &form, const IntakePatient &patient,
                                 const QString &categoryTag, const QString &referringPartyTag);
QString saveMonthlyExpensesStatement(const frmIntakeSheetForm &form, const IntakePatient &patient);

// "Not Available", "Available", or empty text when neither option is chosen.
QString healthAccessibilityText(const frmIntakeSheetForm &form);

} // namespace pwo
