#pragma once

class QDialog;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace pwo {

// The controls of the referral history.
struct frmReferralHistoryForm {
    QLineEdit *txtLastname = nullptr;
    QLineEdit *txtFirstname = nullptr;
    QLineEdit *txtHospNum = nullptr;
    QPushButton *cmdSearch = nullptr;
    QTreeWidget *lvwRequest = nullptr;
    QPushButton *cmdSelect = nullptr;
    QPushButton *cmdClose = nullptr;

    void setupUi(QDialog *window);
};

} // namespace pwo
