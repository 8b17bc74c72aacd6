#include "hospital/components/registry/RegistryLink.h"

#include "data/Connection.h"

namespace hospital::components {

pwo::Connection &RegistryLink::connection() const
{
    if (!connection_)
        throw pwo::DatabaseError(pwo::GatewayError::ObjectClosed,
                                 QStringLiteral("The patient registry has no open connection; call OpenConnection first."),
                                 QStringLiteral("Patient registry"));
    return *connection_;
}

} // namespace hospital::components
