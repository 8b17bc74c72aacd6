#pragma once

#include <QString>

namespace pwo {

struct frmIntakeSheetForm;

// The loading of a stored intake sheet into the open intake window, in the
// order the window calls them. A patient without stored data of a kind
// leaves those controls as the opening put them.
namespace LoadData {

void LoadIntakeSheet(frmIntakeSheetForm &form);
void LoadOtherPatientInfo(frmIntakeSheetForm &form);
void LoadFamilyComposition(frmIntakeSheetForm &form);
void LoadMonthlyExpenses(frmIntakeSheetForm &form);
void LoadSocialFunctioning(frmIntakeSheetForm &form, const QString &hospNum);
void LoadEnvironmentProblems(frmIntakeSheetForm &form, const QString &hospNum);

} // namespace LoadData

// Expense box i and the column it is stored in.
QString monthlyExpenseColumn(int index);

} // namespace pwo
