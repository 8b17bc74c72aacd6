#include "hospital/components/user/ServerChoice.h"

#include "hospital/components/StandInAccess.h"

#include "hospital/dbserver/DatabaseSet.h"
#include "hospital/dbserver/StandInProvider.h"

#include "data/Connection.h"
#include "data/ServerSession.h"

#include <QDir>

namespace hospital::components {

ServerChoice::ServerChoice(bool standIn, QString location) : standIn_(standIn), location_(std::move(location)) {}

ServerChoice ServerChoice::standInFolder(const QString &folder)
{
    // QDir turns an empty path into the working folder; an empty choice must stay empty.
    const QString trimmed = folder.trimmed();
    return ServerChoice(true, trimmed.isEmpty() ? QString() : QDir(trimmed).absolutePath());
}

ServerChoice ServerChoice::odbc(const QString &connectionString)
{
    return ServerChoice(false, connectionString.trimmed());
}

QString ServerChoice::problem() const
{
    if (!standIn_)
        return location_.isEmpty() ? QStringLiteral("Type the ODBC connection string of the server.") : QString();
    if (location_.isEmpty())
        return QStringLiteral("Choose the database folder.");
    if (!dbserver::isDatabaseSet(location_))
        return QStringLiteral("The folder \"%1\" does not hold the hospital databases.")
            .arg(QDir::toNativeSeparators(location_));
    return {};
}

QString ServerChoice::connectionString() const
{
    return standIn_ ? dbserver::standInConnectionString(location_) : location_;
}

QString ServerChoice::serverName() const
{
    return standIn_ ? location_ : pwo::connectionStringValue(location_, QStringLiteral("Server"));
}

QString ServerChoice::serverPassword() const
{
    return standIn_ ? QString() : pwo::connectionStringValue(location_, QStringLiteral("PWD"));
}

std::shared_ptr<pwo::Connection> ServerChoice::open() const
{
    if (standIn_)
        ensureStandInProvider();
    auto connection = std::make_shared<pwo::Connection>();
    connection->Open(connectionString());
    return connection;
}

} // namespace hospital::components
