#pragma once

#include "OdbcApi.h"
#include "OdbcHandle.h"
#include "data/DatabaseError.h"

#include <vector>

namespace pwo::odbc {

// Every diagnostic record the last call left on a handle, in the driver's order.
std::vector<ErrorInfo> diagnostics(SQLSMALLINT handleType, SQLHANDLE handle);

inline bool succeeded(SQLRETURN rc) { return rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO; }

// Throws DatabaseError carrying all of the handle's diagnostics unless rc is a
// success; call names the ODBC function for a failure that left no record.
void check(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle, const char *call);
inline void check(SQLRETURN rc, const Handle &handle, const char *call)
{
    check(rc, handle.type(), handle.get(), call);
}

} // namespace pwo::odbc
