#include "PdfExport.h"

#include "DefinitionError.h"
#include "ReportPainter.h"

#include <QDir>
#include <QFile>
#include <QImage>
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

QStringList writePageImages(const LaidOutReport &report, const QString &folder, const QString &baseName, int dpi)
{
    if (!QDir().mkpath(folder))
        throw std::runtime_error(
            QStringLiteral("The folder %1 cannot be made for the page images.").arg(displayPath(folder)).toStdString());
    QStringList written;
    const QSize size = (report.sizePoints * dpi / 72.0).toSize();
    for (size_t i = 0; i < report.pages.size(); ++i) {
        QImage image(size, QImage::Format_RGB32);
        image.setDotsPerMeterX(int(dpi / 0.0254));
        image.setDotsPerMeterY(int(dpi / 0.0254));
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::TextAntialiasing);
            paintPage(painter, report.pages[i], report.sizePoints, QRectF(QPointF(0, 0), QSizeF(size)));
        }
        const QString path = QDir(folder).filePath(QStringLiteral("%1-%2.png").arg(baseName).arg(i + 1, 3, 10, QLatin1Char('0')));
        if (!image.save(path, "PNG"))
            throw std::runtime_error(
                QStringLiteral("The page image %1 cannot be written.").arg(displayPath(path)).toStdString());
        written << path;
    }
    return written;
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
