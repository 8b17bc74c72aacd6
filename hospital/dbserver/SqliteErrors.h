#pragma once

#include "data/DatabaseError.h"

#include <QString>

struct sqlite3;

namespace hospital::dbserver {

// SQLite's failure, reported the way the real server words it: its error
// number and message ("Invalid object name 'X'." is 208, and so on).
pwo::DatabaseError serverError(sqlite3 *db, const QString &sqliteMessage);

// Functions of the stand-in raise server errors with a number of their own by
// starting the SQLite error text with "#<number> ".
QString numberedMessage(long number, const QString &message);

} // namespace hospital::dbserver
