#pragma once

class QDialog;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace pwo {

// The controls of the clearing window. Every box is read-only except
// txtClearRemarks.
struct frmClearPatientForm {
    QLineEdit *txtSname = nullptr;
    QLineEdit *txtFname = nullptr;
    QLineEdit *txtMname = nullptr;
    QLineEdit *txtHospNo = nullptr;
    QLineEdit *txtAdmNo = nullptr;
    QLineEdit *txtAdmDate = nullptr;
    QLineEdit *txtRoomNo = nullptr;
    QLineEdit *txtDoctor = nullptr;
    QLineEdit *txtNoticeDate = nullptr;
    QLineEdit *txtOrderDate = nullptr;
    QLineEdit *txtDischargeNurse = nullptr;
    QPlainTextEdit *txtRemarks = nullptr;
    QLineEdit *txtClearedBy = nullptr;
    QLineEdit *txtClearDate = nullptr;
    QPlainTextEdit *txtClearRemarks = nullptr;
    QLineEdit *txtPWONum = nullptr;
    QLineEdit *txtCategory = nullptr;
    QPlainTextEdit *txtOtherInfo = nullptr;
    QLabel *lblClassification = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdIgnore = nullptr;

    void setupUi(QDialog *window);
};

} // namespace pwo
