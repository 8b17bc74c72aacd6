#pragma once

class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace hospital::components {

// The controls of the login dialog, laid out on it; the behaviour lives in
// LoginDialog.
struct LoginForm {
    QLineEdit *txtEmployeeCode = nullptr;
    QLineEdit *txtPassword = nullptr;
    QRadioButton *optDemoServer = nullptr;
    QRadioButton *optFolderServer = nullptr;
    QLineEdit *txtServerFolder = nullptr;
    QPushButton *cmdBrowseFolder = nullptr;
    QRadioButton *optOdbcServer = nullptr;
    QLineEdit *txtOdbcString = nullptr;
    QLabel *lblMessage = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

    void setupUi(QDialog *dialog);
};

} // namespace hospital::components
