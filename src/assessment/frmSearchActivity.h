#pragma once

#include "CodePicker.h"

namespace pwo {

// The activity picker: the activities' code tree, from which the assessment
// gathers what the office did on the case.
class frmSearchActivity : public CodePicker {
    Q_OBJECT
public:
    explicit frmSearchActivity(QWidget *parent = nullptr);

    // Shows the picker modal over `parent`, starting from and handing back
    // SearchActivity().
    static void Show(QWidget *parent);
};

} // namespace pwo
