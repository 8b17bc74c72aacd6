#pragma once

#include <QString>

namespace pwo {

class Connection;

// Turns a pay stay into a service stay in the hospital's admission tables
// (the in-patient table for a numeric admission number, the out-patient and
// ER tables otherwise) and records the change. A failure is thrown; what was
// written before it stays written.
void SwitchToServiceClass(Connection &connection, const QString &IDNUM, const QString &employeeCode);

} // namespace pwo
