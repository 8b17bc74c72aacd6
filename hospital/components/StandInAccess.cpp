#include "hospital/components/StandInAccess.h"

#include "hospital/dbserver/StandInProvider.h"

#include "data/ServerSession.h"

namespace hospital::components {

void ensureStandInProvider()
{
    // Whoever registered it first (the program, a test with its own
    // procedures) keeps its registration.
    if (!pwo::hasProvider(dbserver::standInProvider))
        dbserver::registerStandInProvider();
}

} // namespace hospital::components
