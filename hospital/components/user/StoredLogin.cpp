#include "hospital/components/user/StoredLogin.h"

#include "data/Recordset.h"
#include "data/SqlText.h"

namespace hospital::components {

std::optional<StoredLogin> readStoredLogin(pwo::Connection &connection, const QString &employeeCode)
{
    pwo::Recordset login;
    login.OpenReadOnly(QStringLiteral("BUILD_FILE..sp_CoUser_GetLogin ") + pwo::sql::quoted(employeeCode), connection);
    if (login.Eof())
        return std::nullopt;
    StoredLogin stored;
    stored.employeeCode = login.value(QStringLiteral("EmployeeCode")).text();
    stored.passwordHash = login.value(QStringLiteral("PasswordHash")).text();
    stored.rights = login.value(QStringLiteral("Rights")).text();
    stored.active = login.value(QStringLiteral("Active")).toInteger() != 0;
    stored.departmentCode = login.value(QStringLiteral("DeptCode")).text();
    stored.lastName = login.value(QStringLiteral("LastName")).text();
    stored.firstName = login.value(QStringLiteral("FirstName")).text();
    return stored;
}

} // namespace hospital::components
