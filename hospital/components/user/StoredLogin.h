#pragma once

#include <QString>

#include <optional>

namespace pwo {
class Connection;
}

namespace hospital::components {

// A login as the server keeps it, with its employee's department and name.
struct StoredLogin {
    QString employeeCode;  // as stored, whatever case the user typed
    QString passwordHash;
    QString rights;        // one letter per right
    bool active = false;
    QString departmentCode;
    QString lastName;
    QString firstName;
};

// The login of `employeeCode`; nullopt when the server knows no such login.
// Throws pwo::DatabaseError.
std::optional<StoredLogin> readStoredLogin(pwo::Connection &connection, const QString &employeeCode);

} // namespace hospital::components
