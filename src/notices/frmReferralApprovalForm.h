#pragma once

class QButtonGroup;
class QCheckBox;
class QDateEdit;
class QDialog;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace pwo {

// The controls of the referral answer window.
struct frmReferralApprovalForm {
    QLineEdit *txtFullName = nullptr;
    QLineEdit *txtHospNo = nullptr;
    QLineEdit *txtAdmNo = nullptr;
    QLineEdit *txtDiagnosis = nullptr;
    QLineEdit *txtCategory = nullptr;
    QLineEdit *txtReferredBy = nullptr;
    QGroupBox *frmApprovedBy = nullptr;
    QLineEdit *txtApprovedBy = nullptr;
    QCheckBox *chkTick1 = nullptr;
    QCheckBox *chkTick2 = nullptr;
    QCheckBox *chktick3 = nullptr;
    QCheckBox *chktick4 = nullptr;
    QCheckBox *chktick5 = nullptr;
    QLineEdit *txtOtherReason = nullptr;
    QPlainTextEdit *txtRemarks = nullptr;
    QRadioButton *OptApproved = nullptr;
    QRadioButton *OptDeny = nullptr;
    QRadioButton *OptCash = nullptr;
    QButtonGroup *status = nullptr;
    QDateEdit *dtSchedDate = nullptr;
    QPushButton *cmdEdit = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdCancel = nullptr;

    void setupUi(QDialog *window);

private:
    QGroupBox *buildReasons(QDialog *window);
};

} // namespace pwo
