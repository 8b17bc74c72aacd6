#pragma once

struct sqlite3;

namespace hospital::dbserver::demo {

// The lists of the intake sheet, and a stored intake sheet (sheet, case
// data, other information, monthly expenses) for every assessed patient
// whose family is stored and for a quarter of the others, taken from his
// latest assessment and his registry record. Runs after the families are
// written. Returns the number of sheets written.
int writeIntakeSheets(sqlite3 *db);

} // namespace hospital::dbserver::demo
