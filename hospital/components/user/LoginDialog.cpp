#include "hospital/components/user/LoginDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace hospital::components {

namespace {
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};
} // namespace

LoginDialog::LoginDialog(const QString &demoFolder, const QString &departmentCode, QWidget *parent)
    : QDialog(parent), demoFolder_(demoFolder), departmentCode_(departmentCode)
{
    form_.setupUi(this);
    form_.optDemoServer->setToolTip(QDir::toNativeSeparators(demoFolder));
    countdown_.setInterval(1000);

    connect(form_.cmdOK, &QPushButton::clicked, this, &LoginDialog::tryLogin);
    connect(form_.cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(form_.cmdBrowseFolder, &QPushButton::clicked, this, &LoginDialog::browseFolder);
    for (QRadioButton *option : {form_.optDemoServer, form_.optFolderServer, form_.optOdbcServer})
        connect(option, &QRadioButton::toggled, this, &LoginDialog::showServerFields);
    connect(&countdown_, &QTimer::timeout, this, &LoginDialog::showWait);
    showServerFields();
}

ServerChoice LoginDialog::chosenServer() const
{
    if (form_.optFolderServer->isChecked())
        return ServerChoice::standInFolder(form_.txtServerFolder->text());
    if (form_.optOdbcServer->isChecked())
        return ServerChoice::odbc(form_.txtOdbcString->text());
    return ServerChoice::standInFolder(demoFolder_);
}

void LoginDialog::tryLogin()
{
    if (countdown_.isActive()) {
        showWait();
        return;
    }
    LoginOutcome outcome = [&] {
        WaitCursor busy;
        return checkLogin(chosenServer(), form_.txtEmployeeCode->text(), form_.txtPassword->text(), departmentCode_);
    }();
    if (auto *refusal = std::get_if<LoginRefusal>(&outcome)) {
        refuse(*refusal);
        return;
    }
    loggedIn_ = std::move(std::get<LoggedInUser>(outcome));
    accept();
}

void LoginDialog::refuse(const LoginRefusal &refusal)
{
    lastReason_ = refusal.reason;
    form_.lblMessage->setText(refusal.reason);
    // A server that could not be used says nothing of the password: keep it.
    if (!refusal.credentialsRefused)
        return;
    form_.txtPassword->clear();
    form_.txtPassword->setFocus();
    const std::chrono::seconds wait = throttle_.refused();
    if (wait.count() == 0)
        return;
    waitUntil_ = QDeadlineTimer(wait);
    countdown_.start();
    showWait();
}

void LoginDialog::showWait()
{
    const qint64 left = (waitUntil_.remainingTime() + 999) / 1000;
    if (left <= 0) {
        endWait();
        return;
    }
    form_.lblMessage->setText(QStringLiteral("%1 Wait %2 %3 before the next try.")
                                  .arg(lastReason_)
                                  .arg(left)
                                  .arg(left == 1 ? QStringLiteral("second") : QStringLiteral("seconds")));
}

void LoginDialog::endWait()
{
    countdown_.stop();
    form_.lblMessage->setText(lastReason_);
}

void LoginDialog::showServerFields()
{
    const bool folder = form_.optFolderServer->isChecked();
    form_.txtServerFolder->setEnabled(folder);
    form_.cmdBrowseFolder->setEnabled(folder);
    form_.txtOdbcString->setEnabled(form_.optOdbcServer->isChecked());
}

void LoginDialog::browseFolder()
{
    const QString chosen = QFileDialog::getExistingDirectory(this, QStringLiteral("Database folder"),
                                                             form_.txtServerFolder->text());
    if (!chosen.isEmpty())
        form_.txtServerFolder->setText(QDir::toNativeSeparators(chosen));
}

} // namespace hospital::components
