#pragma once

#include "LaidOutReport.h"

#include <QString>

class QPagedPaintDevice;

namespace pwo::reports {

// Writes every page to a PDF file; throws std::runtime_error naming the file
// when it cannot be written.
void writePdf(const LaidOutReport &report, const QString &path, const QString &title);

// Paints every page on a printer or PDF writer already set up for the report.
void paintPages(const LaidOutReport &report, QPagedPaintDevice &device);

} // namespace pwo::reports
