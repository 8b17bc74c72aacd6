#pragma once

#include "LaidOutReport.h"

class QPainter;

namespace pwo::reports {

// Paints one laid-out page into `target` (device coordinates) on a white
// sheet, scaled from points; used by the viewer, the printer and the PDF.
void paintPage(QPainter &painter, const LaidOutPage &page, const QSizeF &pagePoints, const QRectF &target);

} // namespace pwo::reports
