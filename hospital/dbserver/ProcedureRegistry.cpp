#include "ProcedureRegistry.h"

#include "SqlProcedure.h"
#include "DatabaseSet.h"
#include "procedures/PWO/PatientListProcedures.h"

#include <QDir>
#include <QFileInfo>

namespace hospital::dbserver {

namespace {
QString keyOf(const QString &database, const QString &name)
{
    return database.toUpper() + QStringLiteral("..") + name.toLower();
}
} // namespace

const ProcedureRegistry &ProcedureRegistry::standard()
{
    static const ProcedureRegistry registry = [] {
        ProcedureRegistry r;
        for (const QString &database : databaseNames()) {
            const QDir folder(QStringLiteral(":/procedures/") + database);
            for (const QFileInfo &file : folder.entryInfoList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name))
                r.add(database, file.completeBaseName(), SqlProcedure::fromFile(file.filePath()));
        }
        addPatientListProcedures(r);
        return r;
    }();
    return registry;
}

std::shared_ptr<const ProcedureRegistry> standardProcedures()
{
    return std::shared_ptr<const ProcedureRegistry>(&ProcedureRegistry::standard(), [](const ProcedureRegistry *) {});
}

void ProcedureRegistry::add(const QString &database, const QString &name, std::unique_ptr<Procedure> procedure)
{
    procedures_.insert(keyOf(database, name), std::shared_ptr<Procedure>(std::move(procedure)));
}

const Procedure *ProcedureRegistry::find(const QString &database, const QString &name) const
{
    const auto found = procedures_.constFind(keyOf(database, name));
    return found == procedures_.constEnd() ? nullptr : found->get();
}

QStringList ProcedureRegistry::names() const
{
    QStringList result = procedures_.keys();
    result.sort();
    return result;
}

} // namespace hospital::dbserver
