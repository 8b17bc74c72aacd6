#pragma once

#include "hospital/components/user/LoginCheck.h"
#include "hospital/components/user/LoginForm.h"
#include "hospital/components/user/LoginThrottle.h"

#include <QDialog>
#include <QDeadlineTimer>
#include <QTimer>

#include <optional>

namespace hospital::components {

// The login window: the user's code and password and the server to use.
// A refused attempt keeps the dialog open with the reason in lblMessage;
// it closes accepted only after a successful login.
class LoginDialog : public QDialog {
public:
    LoginDialog(const QString &demoFolder, const QString &departmentCode, QWidget *parent = nullptr);

    // Set once a login succeeded.
    const std::optional<LoggedInUser> &loggedIn() const { return loggedIn_; }

private:
    ServerChoice chosenServer() const;
    void tryLogin();
    void refuse(const LoginRefusal &refusal);
    void showWait();
    void endWait();
    void showServerFields();
    void browseFolder();

    LoginForm form_;
    QString demoFolder_;
    QString departmentCode_;
    LoginThrottle throttle_;
    // While a wait runs, OK only says how long is left; the text counts down.
    QDeadlineTimer waitUntil_;
    QTimer countdown_;
    QString lastReason_;
    std::optional<LoggedInUser> loggedIn_;
};

} // namespace hospital::components
