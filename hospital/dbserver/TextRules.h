#pragma once

struct sqlite3;

namespace hospital::dbserver {

// Installs what makes SQLite compare and compute like the hospital server:
// the collation HOSPITAL (case-insensitive, trailing blanks ignored), a LIKE
// that folds case beyond ASCII, and the tsql_* functions the translator emits.
void installTextRules(sqlite3 *db);

// The HOSPITAL collation itself, for tests and sorting outside SQLite.
int compareHospitalText(const char *a, int aLength, const char *b, int bLength);

} // namespace hospital::dbserver
