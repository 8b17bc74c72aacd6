#pragma once

#include <QDate>

struct sqlite3;

namespace hospital::dbserver::demo {

// The office's assessments of about a third of the stays of the last four
// months, spread over the department's workers, categories, referring
// parties and services, some of them sponsored or PCSO grants; with the
// referring parties, services and documentation kinds they point to.
// Returns the number of assessments written.
int writeAssessments(sqlite3 *db, QDate today);

} // namespace hospital::dbserver::demo
