#pragma once

#include "LaidOutReport.h"
#include "QueryBinding.h"
#include "ReportRows.h"

#include <QDateTime>

namespace pwo::reports {

// What every page may show besides the report's own values.
struct PrintContext {
    QString company;  // the report's title text
    QString user;
    QDateTime printedAt;
};

// One part to print: its definition, the values of its parameters and, when
// it has a query, its rows.
struct PartInput {
    const ReportPart *part = nullptr;
    const ParameterValues *values = nullptr;
    const ReportRows *rows = nullptr;
};

// Pages the report: the report's own part first, then its subreports in the
// order given. Throws LineError for a name a text or column does not find.
LaidOutReport layOutReport(const ReportDefinition &definition, const std::vector<PartInput> &parts,
                           const PrintContext &context);

} // namespace pwo::reports
