#pragma once

struct sqlite3;

namespace hospital::dbserver::demo {

// What the assessment window offers beside the classes: the case states and
// the parent categories (the recent assessments get theirs), and the daily
// bills of the assessed stays, each with the office's discount line (QF)
// under its case number so that a new assessment's removal of it shows.
void writeAssessmentCodes(sqlite3 *db);

} // namespace hospital::dbserver::demo
