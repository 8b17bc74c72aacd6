#include "hospital/components/BillingConnection.h"

#include "hospital/components/StandInAccess.h"

#include "hospital/dbserver/DatabaseSet.h"
#include "hospital/dbserver/StandInProvider.h"

#include "data/Connection.h"

#include <QDir>

namespace hospital::components {

bool BillingConnection::EstablishedConnection(const QString &serverName, const QString &database, const QString &)
{
    lastFailure_.clear();
    const QString folder = serverName.trimmed();
    if (folder.isEmpty() || !dbserver::isDatabaseSet(folder)) {
        lastFailure_ = QStringLiteral("The server \"%1\" is not a stand-in database folder.")
                           .arg(QDir::toNativeSeparators(folder));
        return false;
    }
    try {
        ensureStandInProvider();
        pwo::Connection billing;
        billing.Open(dbserver::standInConnectionString(folder));
        billing.setDefaultDatabase(database);
    } catch (const pwo::DatabaseError &error) {
        lastFailure_ = error.description();
        return false;
    }
    return true;
}

} // namespace hospital::components
