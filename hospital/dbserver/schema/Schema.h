#pragma once

struct sqlite3;

namespace hospital::dbserver {

// Creates every table and index of the five databases, which must already be
// attached under their names with the HOSPITAL collation installed.
// Throws pwo::DatabaseError naming the file and the server's message.
void createSchema(sqlite3 *db);

} // namespace hospital::dbserver
