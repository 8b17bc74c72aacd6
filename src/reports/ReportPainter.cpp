#include "ReportPainter.h"

#include "TextMeasure.h"

#include <QPaintDevice>
#include <QPainter>

namespace pwo::reports {

void paintPage(QPainter &painter, const LaidOutPage &page, const QSizeF &pagePoints, const QRectF &target)
{
    painter.save();
    painter.fillRect(target, Qt::white);
    painter.translate(target.topLeft());
    painter.scale(target.width() / pagePoints.width(), target.height() / pagePoints.height());
    painter.setPen(Qt::black);
    const double dpi = painter.device()->logicalDpiY();
    TextStyle currentStyle{-1, false, false};
    for (const PageItem &item : page.items) {
        if (item.kind == PageItem::Kind::Rule) {
            painter.fillRect(item.rect, Qt::black);
            continue;
        }
        if (item.kind == PageItem::Kind::Image) {
            painter.drawImage(item.rect, item.image);
            continue;
        }
        if (!(item.style == currentStyle)) {
            currentStyle = item.style;
            // The painter works in points; a font's size is measured against the
            // device's resolution, so it is given in the device's terms to end up in points.
            QFont font = reportFont(currentStyle);
            font.setPointSizeF(currentStyle.size * 72.0 / dpi);
            painter.setFont(font);
        }
        // The layout made every text fit its place; nothing is cut here.
        painter.drawText(item.rect, int(item.alignment | Qt::AlignVCenter) | Qt::TextSingleLine | Qt::TextDontClip,
                         item.text);
    }
    painter.restore();
}

} // namespace pwo::reports
