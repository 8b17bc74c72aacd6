#pragma once

#include <QString>

namespace pwo {

// What the caller of the worker lookup receives.
struct LookedUpWorker {
    // The list's WorkerCode once it has closed, however it was closed; the
    // caller keeps it as its worker code even when no employee has it.
    QString code;
    bool found = false;
    // EmployeeName and licensenumber of the employee, when found.
    QString name;
    QString licenceNumber;
};

// The steps behind the search button beside a worker name box: shows the
// employee list modal, then looks the code it returns up. When no employee
// has the code, the user is told "Employee No Longer Exists." and `found` is
// false, so that the caller leaves its name box as it was.
LookedUpWorker lookUpWorker();

} // namespace pwo
