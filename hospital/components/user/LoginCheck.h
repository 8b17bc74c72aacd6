#pragma once

#include "hospital/components/user/ServerChoice.h"
#include "hospital/components/user/StoredLogin.h"

#include <QString>

#include <memory>
#include <variant>

namespace pwo {
class Connection;
}

namespace hospital::components {

struct LoggedInUser {
    std::shared_ptr<pwo::Connection> connection;  // open on the chosen server
    StoredLogin login;
    QString password;  // as typed; memory is the only place it is kept
    QString serverName;
    QString serverPassword;
};

struct LoginRefusal {
    QString reason;  // for the user, never holding the password
    // True when the user or the password was refused (it counts towards
    // slowing the next attempts); false when the attempt could not be made.
    bool credentialsRefused = false;
};

using LoginOutcome = std::variant<LoggedInUser, LoginRefusal>;

// Connects to the server, reads the login and checks the password, that the
// user is active and, when `departmentCode` is not empty, of that department.
LoginOutcome checkLogin(const ServerChoice &server, const QString &employeeCode, const QString &password,
                        const QString &departmentCode);

} // namespace hospital::components
