#pragma once

class QDialog;
class QPushButton;
class QTreeWidget;

namespace pwo {

// The controls of the referral notice list.
struct frmReferralToMedicalTeamForm {
    QTreeWidget *lvwRequest = nullptr;
    QPushButton *cmdSelect = nullptr;
    QPushButton *cmdClose = nullptr;

    void setupUi(QDialog *window);
};

} // namespace pwo
