#include "hospital/components/user/CurrentUser.h"

#include "hospital/components/DisplayName.h"
#include "hospital/components/user/LoginDialog.h"

#include <QDir>

#include <cstdio>

namespace hospital::components {

CurrentUser::CurrentUser(QString demoFolder, std::function<void()> environmentRefused)
    : demoFolder_(std::move(demoFolder)), environmentRefused_(std::move(environmentRefused))
{
}

void CurrentUser::setPasswordDeptCode(const QString &departmentCode)
{
    departmentCode_ = departmentCode.trimmed();
}

void CurrentUser::ShowMain()
{
    user_.reset();
    if (const std::optional<EnvironmentLogin> given = environmentLogin()) {
        logInFromEnvironment(*given);
        return;
    }
    LoginDialog dialog(demoFolder_, departmentCode_);
    if (dialog.exec() == QDialog::Accepted)
        user_ = dialog.loggedIn();
}

void CurrentUser::logInFromEnvironment(const EnvironmentLogin &given)
{
    LoginOutcome outcome =
        checkLogin(ServerChoice::standInFolder(given.folder), given.employeeCode, given.password, departmentCode_);
    if (auto *refusal = std::get_if<LoginRefusal>(&outcome)) {
        std::fprintf(stderr, "The login of PWO_USER \"%s\" on PWO_SERVER \"%s\" was refused: %s\n",
                     given.employeeCode.toLocal8Bit().constData(),
                     QDir::toNativeSeparators(given.folder).toLocal8Bit().constData(),
                     refusal->reason.toLocal8Bit().constData());
        if (environmentRefused_)
            environmentRefused_();
        return;
    }
    user_ = std::move(std::get<LoggedInUser>(outcome));
}

std::shared_ptr<pwo::Connection> CurrentUser::sqlconnection() const
{
    return user_ ? user_->connection : nullptr;
}

QString CurrentUser::employeecode() const
{
    return user_ ? user_->login.employeeCode : QString();
}

QString CurrentUser::EmployeeName() const
{
    return user_ ? displayName(user_->login.firstName, user_->login.lastName) : QString();
}

QString CurrentUser::ServerName() const
{
    return user_ ? user_->serverName : QString();
}

QString CurrentUser::Database() const
{
    return QStringLiteral("PWO");
}

QString CurrentUser::ServerPassword() const
{
    return user_ ? user_->serverPassword : QString();
}

QString CurrentUser::Password() const
{
    return user_ ? user_->password : QString();
}

bool CurrentUser::have_rights(const QString &right) const
{
    const QString wanted = right.trimmed();
    return user_ && !wanted.isEmpty() && user_->login.rights.contains(wanted, Qt::CaseInsensitive);
}

} // namespace hospital::components
