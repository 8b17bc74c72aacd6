#pragma once

namespace pwo {

struct frmIntakeSheetForm;

// Appends the items of every list of the sheet from its code table; a list
// keeps the text the opening put into it.
void FillLists(frmIntakeSheetForm &form);

} // namespace pwo
