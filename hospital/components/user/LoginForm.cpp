#include "hospital/components/user/LoginForm.h"

#include <QDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <utility>

namespace hospital::components {

namespace {
template <typename Widget, typename... Arguments>
Widget *named(const char *objectName, Arguments &&...arguments)
{
    auto *widget = new Widget(std::forward<Arguments>(arguments)...);
    widget->setObjectName(QString::fromLatin1(objectName));
    return widget;
}
} // namespace

void LoginForm::setupUi(QDialog *dialog)
{
    dialog->setObjectName(QStringLiteral("frmLogin"));
    dialog->setWindowTitle(QStringLiteral("Log In"));

    txtEmployeeCode = named<QLineEdit>("txtEmployeeCode");
    txtPassword = named<QLineEdit>("txtPassword");
    txtPassword->setEchoMode(QLineEdit::Password);
    auto *credentials = new QFormLayout;
    credentials->addRow(QStringLiteral("&Employee code"), txtEmployeeCode);
    credentials->addRow(QStringLiteral("&Password"), txtPassword);

    optDemoServer = named<QRadioButton>("optDemoServer", QStringLiteral("&Demo database"));
    optFolderServer = named<QRadioButton>("optFolderServer", QStringLiteral("Database &folder"));
    txtServerFolder = named<QLineEdit>("txtServerFolder");
    cmdBrowseFolder = named<QPushButton>("cmdBrowseFolder", QStringLiteral("&Browse..."));
    optOdbcServer = named<QRadioButton>("optOdbcServer", QStringLiteral("&ODBC connection string"));
    txtOdbcString = named<QLineEdit>("txtOdbcString");
    optDemoServer->setChecked(true);

    auto *server = named<QGroupBox>("fraServer", QStringLiteral("Server"));
    auto *choices = new QGridLayout(server);
    choices->addWidget(optDemoServer, 0, 0, 1, 3);
    choices->addWidget(optFolderServer, 1, 0);
    choices->addWidget(txtServerFolder, 1, 1);
    choices->addWidget(cmdBrowseFolder, 1, 2);
    choices->addWidget(optOdbcServer, 2, 0);
    choices->addWidget(txtOdbcString, 2, 1, 1, 2);
    choices->setColumnStretch(1, 1);

    lblMessage = named<QLabel>("lblMessage");
    lblMessage->setWordWrap(true);

    cmdOK = named<QPushButton>("cmdOK", QStringLiteral("OK"));
    cmdOK->setDefault(true);
    cmdCancel = named<QPushButton>("cmdCancel", QStringLiteral("Cancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto *page = new QVBoxLayout(dialog);
    page->addLayout(credentials);
    page->addWidget(server);
    page->addWidget(lblMessage);
    page->addLayout(buttons);
    dialog->setMinimumWidth(460);
}

} // namespace hospital::components
