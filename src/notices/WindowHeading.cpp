#include "WindowHeading.h"

#include <QLabel>

namespace pwo {

QLabel *windowHeading(const QString &text, QWidget *window)
{
    auto *heading = new QLabel(text, window);
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.5);
    heading->setFont(font);
    heading->setStyleSheet(QStringLiteral("color: rgb(0,0,64);"));
    return heading;
}

} // namespace pwo
