#include "SearchIcon.h"

#include <QPainter>
#include <QPixmap>

namespace pwo {

namespace {

QPixmap magnifier(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);  // drawn on a 16-unit square
    p.setPen(QPen(QColor(0, 0, 64), 1.5));
    p.setBrush(QColor(220, 235, 250));
    p.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
    p.setPen(QPen(QColor(40, 110, 190), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 10), QPointF(14.5, 14.5));
    return pixmap;
}

} // namespace

QIcon searchIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48})
        icon.addPixmap(magnifier(size));
    return icon;
}

} // namespace pwo
