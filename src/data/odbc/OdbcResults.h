#pragma once

#include "OdbcApi.h"
#include "OdbcHandle.h"
#include "data/ServerSession.h"

namespace pwo::odbc {

// How a column's values are fetched and which Value they become.
enum class ColumnKind { Integer, Real, Text, DateTime, Binary };

// Types the mapping does not know (GUIDs, intervals, driver-specific ones) are read as text.
ColumnKind columnKindOf(SQLSMALLINT sqlType);

// Executes a batch on a fresh statement handle and collects every result it
// produced: each result set fully fetched, the row counts of the other statements.
BatchResult executeBatch(const Handle &statement, const QString &batch);

} // namespace pwo::odbc
