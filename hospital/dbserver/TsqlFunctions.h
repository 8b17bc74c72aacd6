#pragma once

struct sqlite3;

namespace hospital::dbserver {

// The tsql_* SQL functions into which the translator rewrites T-SQL's
// operators, conversions and date functions.
void installTsqlFunctions(sqlite3 *db);

} // namespace hospital::dbserver
