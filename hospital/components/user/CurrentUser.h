#pragma once

#include "hospital/components/user/EnvironmentLogin.h"
#include "hospital/components/user/LoginCheck.h"

#include "core/SiblingComponents.h"

#include <functional>
#include <optional>

namespace hospital::components {

// The user component: logs a user of one department in, through the login
// dialog or the environment, and owns that user's connection.
class CurrentUser : public pwo::CurrentUserComponent {
public:
    // `demoFolder` is the stand-in database the dialog offers first;
    // `environmentRefused` hears of a refused login from the environment.
    explicit CurrentUser(QString demoFolder, std::function<void()> environmentRefused = {});

    void setPasswordDeptCode(const QString &departmentCode) override;
    void ShowMain() override;
    bool Connected() const override { return user_.has_value(); }
    std::shared_ptr<pwo::Connection> sqlconnection() const override;
    QString employeecode() const override;
    QString EmployeeName() const override;
    QString ServerName() const override;
    QString Database() const override;
    QString ServerPassword() const override;
    QString Password() const override;
    bool have_rights(const QString &right) const override;

private:
    void logInFromEnvironment(const EnvironmentLogin &given);

    QString demoFolder_;
    std::function<void()> environmentRefused_;
    QString departmentCode_;
    std::optional<LoggedInUser> user_;
};

} // namespace hospital::components
