#include "StatusIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace pwo {

namespace {

constexpr int side = 16;

QPixmap disc(const QColor &fill)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(fill.darker(150), 1));
    painter.setBrush(fill);
    painter.drawEllipse(QRectF(1.5, 1.5, side - 3, side - 3));
    return pixmap;
}

// A green disc with a tick.
QPixmap clearPicture()
{
    QPixmap pixmap = disc(QColor(40, 160, 60));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath tick;
    tick.moveTo(4.5, 8.5);
    tick.lineTo(7, 11);
    tick.lineTo(11.5, 5.5);
    painter.drawPath(tick);
    return pixmap;
}

// An amber disc with an exclamation mark: something waits.
QPixmap openPicture()
{
    QPixmap pixmap = disc(QColor(230, 150, 20));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(8, 4.5), QPointF(8, 8.5));
    painter.drawPoint(QPointF(8, 11.5));
    return pixmap;
}

} // namespace

QIcon statusIcon(const QString &key)
{
    static const QIcon clear(clearPicture());
    static const QIcon open(openPicture());
    return key == QLatin1String("clear") ? clear : open;
}

} // namespace pwo
