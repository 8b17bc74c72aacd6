#include "hospital/components/registry/PatientRegistry.h"

#include "hospital/components/StandInAccess.h"

#include "data/Connection.h"

namespace hospital::components {

PatientRegistry::PatientRegistry()
    : link_(std::make_shared<RegistryLink>()),
      admission_(std::make_shared<Admission>(link_)),
      patientMaster_(std::make_shared<PatientMaster>(link_))
{
}

void PatientRegistry::OpenConnection(const QString &connectionString)
{
    link_->use(nullptr);
    ensureStandInProvider();
    auto connection = std::make_shared<pwo::Connection>();
    connection->Open(connectionString);
    link_->use(std::move(connection));
}

QString PatientRegistry::ActiveConnection() const
{
    return link_->isOpen() ? link_->connection().ConnectionString() : QString();
}

} // namespace hospital::components
