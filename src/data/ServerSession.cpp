#include "ServerSession.h"

#include "DatabaseError.h"
#include "odbc/OdbcSession.h"

#include <QHash>

namespace pwo {

namespace {
QHash<QString, SessionOpener> &providers()
{
    static QHash<QString, SessionOpener> registry;
    return registry;
}
} // namespace

void registerProvider(const QString &provider, SessionOpener opener)
{
    providers().insert(provider.toLower(), std::move(opener));
}

bool hasProvider(const QString &provider)
{
    return providers().contains(provider.toLower());
}

QString connectionStringValue(const QString &connectionString, const QString &keyword)
{
    for (const QString &part : connectionString.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype eq = part.indexOf(QLatin1Char('='));
        if (eq > 0 && part.left(eq).trimmed().compare(keyword, Qt::CaseInsensitive) == 0)
            return part.mid(eq + 1).trimmed();
    }
    return {};
}

std::unique_ptr<ServerSession> openSession(const QString &connectionString, const QString &user,
                                           const QString &password)
{
    const QString provider = connectionStringValue(connectionString, QStringLiteral("Provider"));
    if (provider.isEmpty())
        return openOdbcSession(connectionString, user, password);
    const auto found = providers().constFind(provider.toLower());
    if (found == providers().constEnd())
        throw DatabaseError(GatewayError::ProviderNotFound,
                            QStringLiteral("Provider cannot be found. It may not be properly installed: \"%1\".")
                                .arg(provider));
    return (*found)(connectionString, user, password);
}

} // namespace pwo
