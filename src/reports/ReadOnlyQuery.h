#pragma once

#include <QString>

namespace pwo::reports {

// Reports only read. A part's query must be one SELECT, or one WITH ... SELECT,
// with no word that writes, runs procedures or changes the session anywhere
// in it (T-SQL runs a second statement written after the first without any
// separator, so every word counts). Throws LineError naming the line of the
// first word refused; `firstLine` is the file line of the query's first line.
void checkReadOnlyQuery(const QString &query, int firstLine);

} // namespace pwo::reports
