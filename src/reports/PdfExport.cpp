#include "PdfExport.h"

#include "DefinitionError.h"
#include "ReportPainter.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>

#include <stdexcept>

namespace pwo::reports {

void paintPages(const LaidOutReport &report, QPagedPaintDevice &device, int first, int last)
{
    const int count = int(report.pages.size());
    first = std::max(first, 1);
    last = last < 0 ? count : std::min(last, count);
    device.setPageLayout(report.pageLayout());
    QPainter painter;
    if (!painter.begin(&device))
        throw std::runtime_error("The report could not be sent to the printer.");
    const QRectF target(0, 0, device.width(), device.height());
    for (int page = first; page <= last; ++page) {
        if (page > first)
            device.newPage();
        paintPage(painter, report.pages[size_t(page - 1)], report.sizePoints, target);
    }
    painter.end();
}

void writePdf(const LaidOutReport &report, const QString &path, const QString &title)
{
    {
        QFile probe(path);
        if (!probe.open(QIODevice::WriteOnly))
            throw std::runtime_error(QStringLiteral("The PDF file %1 cannot be written: %2")
                                         .arg(displayPath(path), probe.errorString())
                                         .toStdString());
    }
    QPdfWriter writer(path);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Patient Welfare Office"));
    writer.setResolution(300);
    paintPages(report, writer);
}

} // namespace pwo::reports
