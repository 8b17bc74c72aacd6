#pragma once

class QWidget;

namespace pwo {

// The help page of the assessment window (F1): what each field means and
// the window's three hints. Modal, read-only.
void showAssessmentHelp(QWidget *parent);

} // namespace pwo
