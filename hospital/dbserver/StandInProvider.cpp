#include "StandInProvider.h"

#include "StandInSession.h"

#include <QDir>

namespace hospital::dbserver {

QString standInConnectionString(const QString &folder)
{
    return QStringLiteral("Provider=%1;Data Source=%2").arg(standInProvider, QDir(folder).absolutePath());
}

void registerStandInProvider()
{
    registerStandInProvider(ProcedureRegistry::standard());
}

void registerStandInProvider(const ProcedureRegistry &procedures)
{
    std::shared_ptr<const ProcedureRegistry> kept = &procedures == &ProcedureRegistry::standard()
                                                        ? standardProcedures()
                                                        : std::make_shared<const ProcedureRegistry>(procedures);
    pwo::registerProvider(standInProvider, [kept](const QString &connectionString, const QString &, const QString &) {
        const QString folder = pwo::connectionStringValue(connectionString, QStringLiteral("Data Source"));
        return std::unique_ptr<pwo::ServerSession>(std::make_unique<StandInSession>(folder, kept));
    });
}

} // namespace hospital::dbserver
