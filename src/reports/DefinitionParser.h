#pragma once

#include "ReportDefinition.h"

#include <QString>

namespace pwo::reports {

// Reads the sectioned text of a report-definition file (REPORTS/README.md
// describes it). Throws DefinitionError naming the file and line of the
// first fault.
ReportDefinition parseDefinition(const QString &text, const QString &fileName);

// Reads and parses the file; a missing or unreadable file is a DefinitionError too.
ReportDefinition loadDefinition(const QString &path);

} // namespace pwo::reports
