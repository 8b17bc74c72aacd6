#pragma once

#include <QDate>

struct sqlite3;

namespace hospital::dbserver::demo {

// Discharge notices of the wards for some current in-patients, sent over
// the last days: about a third already cleared by a social worker, the
// rest waiting. Returns the number written.
int writeDischargeNotices(sqlite3 *db, QDate today);

} // namespace hospital::dbserver::demo
