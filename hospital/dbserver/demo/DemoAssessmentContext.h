#pragma once

struct sqlite3;

namespace hospital::dbserver::demo {

// What the assessment window needs around the assessments: the case states
// and parent categories (the recent assessments get theirs); one case
// number a patient, so that an assessed patient without one in the patient
// master takes that of his latest assessment, and every assessment of a
// patient carries the master's; and the daily bills of the assessed stays,
// each with the office's discount line (QF) under its case number so that a
// new assessment's removal of it shows.
void writeAssessmentContext(sqlite3 *db);

} // namespace hospital::dbserver::demo
