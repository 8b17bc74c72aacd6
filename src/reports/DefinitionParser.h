#pragma once

#include "DefinitionError.h"
#include "ReportDefinition.h"

#include <QString>

#include <vector>

namespace pwo::reports {

// Reads the sectioned text of a report-definition file (REPORTS/README.md
// describes it). Throws DefinitionError naming the file and line of the
// first fault.
ReportDefinition parseDefinition(const QString &text, const QString &fileName);

// Reads the text as far as it can and gives every fault found, in the
// order of the file; `definition` receives what could be read.
std::vector<DefinitionError> definitionFaults(const QString &text, const QString &fileName,
                                              ReportDefinition *definition = nullptr);

// Reads and parses the file; a missing or unreadable file is a DefinitionError too.
ReportDefinition loadDefinition(const QString &path);

} // namespace pwo::reports
