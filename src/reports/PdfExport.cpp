#include "PdfExport.h"

#include "ReportPainter.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>

#include <stdexcept>

namespace pwo::reports {

void paintPages(const LaidOutReport &report, QPagedPaintDevice &device)
{
    device.setPageLayout(report.pageLayout());
    QPainter painter;
    if (!painter.begin(&device))
        throw std::runtime_error("The report could not be sent to the printer.");
    const QRectF target(0, 0, device.width(), device.height());
    for (size_t i = 0; i < report.pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        paintPage(painter, report.pages[i], report.sizePoints, target);
    }
    painter.end();
}

void writePdf(const LaidOutReport &report, const QString &path, const QString &title)
{
    {
        QFile probe(path);
        if (!probe.open(QIODevice::WriteOnly))
            throw std::runtime_error(QStringLiteral("The PDF file %1 cannot be written: %2")
                                         .arg(QDir::toNativeSeparators(path), probe.errorString())
                                         .toStdString());
    }
    QPdfWriter writer(path);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Patient Welfare Office"));
    writer.setResolution(300);
    paintPages(report, writer);
}

} // namespace pwo::reports
