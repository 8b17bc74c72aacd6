#include "hospital/components/user/LoginCheck.h"

#include "hospital/components/user/PasswordCheck.h"

#include "data/Connection.h"

#include <stdexcept>

namespace hospital::components {

namespace {
LoginRefusal notTried(const QString &reason)
{
    return {reason, false};
}

LoginRefusal refused(const QString &reason)
{
    return {reason, true};
}

// One text for an unknown code and a wrong password, so that a guesser
// cannot learn which codes exist.
const QString wrongCredentials = QStringLiteral("The employee code or the password is wrong.");

LoginOutcome judge(const StoredLogin &stored, LoggedInUser user, const QString &departmentCode)
{
    if (!stored.active)
        return refused(QStringLiteral("The user %1 is no longer active.").arg(stored.employeeCode));
    if (!departmentCode.isEmpty() && stored.departmentCode.compare(departmentCode, Qt::CaseInsensitive) != 0)
        return refused(QStringLiteral("Only users of the department %1 may log in here.").arg(departmentCode));
    user.login = stored;
    return user;
}
} // namespace

LoginOutcome checkLogin(const ServerChoice &server, const QString &employeeCode, const QString &password,
                        const QString &departmentCode)
{
    const QString code = employeeCode.trimmed();
    if (code.isEmpty())
        return notTried(QStringLiteral("Type your employee code."));
    if (const QString problem = server.problem(); !problem.isEmpty())
        return notTried(problem);

    try {
        std::shared_ptr<pwo::Connection> connection = server.open();
        const std::optional<StoredLogin> stored = readStoredLogin(*connection, code);
        if (!stored || !passwordMatches(stored->passwordHash, password))
            return refused(wrongCredentials);
        return judge(*stored, {connection, {}, password, server.serverName(), server.serverPassword()},
                     departmentCode);
    } catch (const pwo::DatabaseError &error) {
        return notTried(QStringLiteral("The server could not be used: %1").arg(error.description()));
    } catch (const std::runtime_error &error) {
        return notTried(QString::fromUtf8(error.what()));
    }
}

} // namespace hospital::components
