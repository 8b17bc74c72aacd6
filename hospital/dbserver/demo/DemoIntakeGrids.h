#pragma once

#include <cstdint>

struct sqlite3;

namespace hospital::dbserver::demo {

// The roles, problems and rating scales of the intake sheet, and for about
// half of the patients the office has assessed a household of two to six
// members; about half of those also have their 24 role and 19 problem
// ratings, as a saved sheet leaves them. Returns the number of patients
// given a family.
int writeIntakeGrids(sqlite3 *db, std::uint64_t seed);

} // namespace hospital::dbserver::demo
