#pragma once

#include "hospital/dbserver/demo/DemoRandom.h"

struct sqlite3;

namespace hospital::dbserver::demo {

struct StaffCounts {
    int departments = 0;
    int employees = 0;
    int users = 0;
};

// Departments, employees (the office's social workers among them) and the
// three demo logins: demo/demo, clerk/clerk and nurse/nurse.
StaffCounts writeStaff(sqlite3 *db, std::uint64_t seed);

} // namespace hospital::dbserver::demo
