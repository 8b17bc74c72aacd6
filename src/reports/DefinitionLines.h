#pragma once

#include "ReportDefinition.h"

#include <QString>

namespace pwo::reports {

// Pieces of a definition's lines that more than one section reads. Each
// throws LineError naming the line.

double positiveNumber(const QString &text, const QString &what, int line);

// "[options] | text", or plain text; with `isExpression` the text is one
// expression, with its format after a colon, as a form's field holds it.
TextLine textLine(const QString &raw, int line, double defaultSize, bool isExpression = false);

} // namespace pwo::reports
