#pragma once

namespace pwo {

class Connection;

// Throws the first error the connection's error list holds after a
// statement, so that an error the server only reported is not passed over.
void raiseReportedError(const Connection &connection);

} // namespace pwo
