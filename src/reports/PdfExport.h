#pragma once

#include "LaidOutReport.h"

#include <QString>

class QPagedPaintDevice;

namespace pwo::reports {

// Writes every page to a PDF file; throws std::runtime_error naming the file
// when it cannot be written.
void writePdf(const LaidOutReport &report, const QString &path, const QString &title);

// Paints pages first..last (from 1, both included; clamped to the report) on
// a printer or PDF writer; without a range, every page.
void paintPages(const LaidOutReport &report, QPagedPaintDevice &device, int first = 1, int last = -1);

} // namespace pwo::reports
