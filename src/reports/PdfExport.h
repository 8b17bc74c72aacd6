#pragma once

#include "LaidOutReport.h"

#include <QString>
#include <QStringList>

class QPagedPaintDevice;

namespace pwo::reports {

// Writes every page to a PDF file; throws std::runtime_error naming the file
// when it cannot be written.
void writePdf(const LaidOutReport &report, const QString &path, const QString &title);

// Writes one PNG image a page into `folder` (made when missing), named
// base-001.png and on, at `dpi`; returns the files written. Throws
// std::runtime_error naming the file that cannot be written.
QStringList writePageImages(const LaidOutReport &report, const QString &folder, const QString &baseName, int dpi = 110);

// Paints pages first..last (from 1, both included; clamped to the report) on
// a printer or PDF writer; without a range, every page.
void paintPages(const LaidOutReport &report, QPagedPaintDevice &device, int first = 1, int last = -1);

} // namespace pwo::reports
