#pragma once

#include "frmIntakeSheetForm.h"

namespace pwo {

// The sum of the monthly expense boxes; an empty box counts 0. A box whose
// text is not a number also counts 0 and is marked, so that the worker sees
// which amount the total left out; a number clears the mark.
double totalOfExpenses(const std::array<QLineEdit *, frmIntakeSheetForm::expenseCount> &boxes);

} // namespace pwo
