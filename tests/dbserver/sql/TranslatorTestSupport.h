#pragma once

#include "hospital/dbserver/sql/BatchTranslator.h"

#include <QString>

#include <ostream>

// Readable QString values in failure messages.
void PrintTo(const QString &text, std::ostream *out);

namespace hospital::dbserver::testing {

// The SQLite text of a batch holding exactly one SQL statement.
QString sqliteOf(const QString &batch);
// The single procedure call of a batch.
ProcedureCall callOf(const QString &batch);
// The reason a batch is refused; fails the test when it is accepted or when
// the message does not quote `quoted`.
QString refusalOf(const QString &batch, const QString &quoted);
inline QString refusalOf(const QString &batch) { return refusalOf(batch, batch.trimmed()); }

} // namespace hospital::dbserver::testing
