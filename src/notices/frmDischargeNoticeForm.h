#pragma once

class QDialog;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace pwo {

// The controls of the discharge-notice list.
struct frmDischargeNoticeForm {
    QTreeWidget *lvwRequest = nullptr;
    QLabel *imgClear = nullptr;
    QLabel *imgOpen = nullptr;
    QPushButton *cmdSelect = nullptr;
    QPushButton *cmdClose = nullptr;

    void setupUi(QDialog *window);
};

} // namespace pwo
