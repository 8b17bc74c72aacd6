#pragma once

struct sqlite3;

namespace hospital::dbserver::demo {

// Referrals from the medical teams for some current in-patients: most
// answered already, a few still waiting, so the referral button has
// something to announce. Returns the number written.
int writeReferrals(sqlite3 *db);

} // namespace hospital::dbserver::demo
