#pragma once

#include "LaidOutReport.h"
#include "QueryBinding.h"
#include "ReportRows.h"

#include <QDateTime>

#include <functional>

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

// The rows of a placed subreport's query bound to the values given; they
// stay valid while the report is laid out.
using SubreportRows = std::function<const ReportRows *(const ReportPart &part, const ParameterValues &values)>;

// Pages the report: the report's own part first, then the subreports given
// in their order; placed subreports print where they are placed, their rows
// from `subreportRows`. Throws LineError for a name a text or column does not find.
LaidOutReport layOutReport(const ReportDefinition &definition, const std::vector<PartInput> &parts,
                           const PrintContext &context, const SubreportRows &subreportRows = {});

} // namespace pwo::reports
