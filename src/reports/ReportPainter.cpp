#include "ReportPainter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <optional>

namespace pwo::reports {

namespace {

// The painter works in points; a font's point size is measured against the
// device's resolution, so it is given in the device's terms to end up in points.
QFont fontFor(const TextStyle &style, double deviceDpi)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(style.size * 72.0 / deviceDpi);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    return font;
}

} // namespace

void paintPage(QPainter &painter, const LaidOutPage &page, const QSizeF &pagePoints, const QRectF &target)
{
    painter.save();
    painter.fillRect(target, Qt::white);
    painter.translate(target.topLeft());
    painter.scale(target.width() / pagePoints.width(), target.height() / pagePoints.height());
    painter.setPen(Qt::black);
    const double dpi = painter.device()->logicalDpiY();
    TextStyle currentStyle{-1, false, false};
    std::optional<QFontMetricsF> metrics;
    for (const PageItem &item : page.items) {
        if (item.kind == PageItem::Kind::Rule) {
            painter.fillRect(item.rect, Qt::black);
            continue;
        }
        if (item.style.size != currentStyle.size || item.style.bold != currentStyle.bold ||
            item.style.italic != currentStyle.italic) {
            currentStyle = item.style;
            painter.setFont(fontFor(currentStyle, dpi));
            metrics.emplace(painter.font(), painter.device());
        }
        const QString text = metrics->horizontalAdvance(item.text) <= item.rect.width()
                                 ? item.text
                                 : metrics->elidedText(item.text, Qt::ElideRight, item.rect.width());
        painter.drawText(item.rect, int(item.alignment | Qt::AlignVCenter) | Qt::TextSingleLine, text);
    }
    painter.restore();
}

} // namespace pwo::reports
