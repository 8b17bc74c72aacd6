#pragma once

#include <QString>

struct sqlite3;

namespace hospital::dbserver::demo {

// The office's service and activity code trees: every node the pickers
// load at opening, and a few deeper levels below some of them.
void writeServiceCodes(sqlite3 *db);

// The description of a service code of the tree; empty for an unknown code.
QString serviceDescription(const QString &code);

} // namespace hospital::dbserver::demo
