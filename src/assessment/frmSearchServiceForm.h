#pragma once

class QLineEdit;
class QPushButton;
class QWidget;

namespace pwo {

// What the service picker shows above the tree: its heading and the
// search frame, which has no behaviour.
struct frmSearchServiceForm {
    QLineEdit *txtService = nullptr;
    QPushButton *cmdSearchService = nullptr;

    // The heading and the frame, in a widget without a parent yet.
    QWidget *setupUi();
};

} // namespace pwo
