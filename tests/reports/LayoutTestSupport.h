#pragma once

#include "reports/ReportLayout.h"

#include <QStringList>

// Lays a definition's own part out over given rows, as printed by ANA at
// GENERAL HOSPITAL on 1 August 2026 at 09:05.
pwo::reports::LaidOutReport layOut(const pwo::reports::ReportDefinition &definition, const pwo::reports::ReportRows &rows,
                          const pwo::reports::ParameterValues &values);

// The texts printed on the line of the page that holds `text`, left to right.
QStringList lineWith(const pwo::reports::LaidOutReport &report, const QString &text);
