#include "ReportedErrors.h"

#include "data/Connection.h"

namespace pwo {

void raiseReportedError(const Connection &connection)
{
    if (!connection.Errors().empty())
        throw DatabaseError(connection.Errors());
}

} // namespace pwo
