#include "SortIcons.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

#include <stdexcept>

namespace pwo {

namespace {

constexpr int side = 12;

QPixmap blankPicture()
{
    QPixmap picture(side, side);
    picture.fill(Qt::transparent);
    return picture;
}

QPixmap arrowPicture(bool up)
{
    QPixmap picture = blankPicture();
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(64, 64, 64));
    const qreal top = 3, bottom = side - 3, left = 1.5, right = side - 1.5, middle = side / 2.0;
    const QPolygonF triangle = up ? QPolygonF{{left, bottom}, {right, bottom}, {middle, top}}
                                  : QPolygonF{{left, top}, {right, top}, {middle, bottom}};
    painter.drawPolygon(triangle);
    return picture;
}

} // namespace

QIcon sortIcon(const QString &key)
{
    if (key == QLatin1String("ArrowUp"))
        return QIcon(arrowPicture(true));
    if (key == QLatin1String("ArrowDown"))
        return QIcon(arrowPicture(false));
    if (key == QLatin1String("Blank"))
        return QIcon(blankPicture());
    throw std::invalid_argument("no sort icon under the key " + key.toStdString());
}

} // namespace pwo
