#pragma once

#include "ReportDefinition.h"

#include <QString>

namespace pwo::reports {

// One item line of a [band], "kind = measures | ...": label, field, box,
// line, check, image or subreport. `raw` is the whole line, so that faults
// name their columns; measures are in the band's unit, `scale` points each.
// An image is read here, from the folder of `definitionFile`. Throws LineError.
BandItem parseBandItem(const QString &kind, const QString &raw, int line, double scale, double fontSize,
                       const QString &definitionFile);

} // namespace pwo::reports
