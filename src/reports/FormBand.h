#pragma once

#include "LaidOutReport.h"
#include "ReportDefinition.h"

#include <functional>

namespace pwo::reports {

// A band laid out before it meets pages: its items from the band's top, and
// the height it came to once its texts and subreports took the room they need.
struct LaidOutBand {
    std::vector<PageItem> items;
    double height = 0;
};

// What a band asks of the report it prints in.
struct BandPrinter {
    QString fontFamily;  // the report's
    // The text in lines no wider than the width.
    std::function<QStringList(const QString &text, double width, const TextStyle &style)> wrap;
    // A subreport item printed at its x and width, bound to the band's values; from y 0.
    std::function<LaidOutBand(const BandItem &item, const EvaluationScope &scope)> subreport;
};

// Lays the band out from `left`. A text or subreport that needs more than its
// place pushes down what lies below it, and stretches the boxes and lines around it.
LaidOutBand layOutBand(const Band &band, double left, const EvaluationScope &scope, const BandPrinter &printer);

// True for a flag that ticks a check box: a non-zero number, or text other
// than empty, 0, N, No, F and False (in any case).
bool flagIsSet(const Value &value);

} // namespace pwo::reports
