#pragma once

#include "DefinitionError.h"
#include "ReportDefinition.h"

#include <QStringList>

#include <vector>

namespace pwo::reports {

// Checks what a part's texts, conditions, columns and groups name, and the
// types its expressions use: its parameters (as their types say), the
// report values (company, page ...) and its query's fields. With `fields`
// null the fields are not known yet, so any other name passes as one while
// a part without a query may name nothing else. The report's own part also
// answers for the page header and footer. Faults are added in line order.
void checkPartNames(const ReportDefinition &definition, const ReportPart &part, const QStringList *fields,
                    std::vector<LineError> &faults);

} // namespace pwo::reports
