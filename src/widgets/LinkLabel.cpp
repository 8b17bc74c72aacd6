#include "LinkLabel.h"

#include <QMouseEvent>

namespace pwo {

LinkLabel::LinkLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    showHovered(false);
}

void LinkLabel::showHovered(bool hovered)
{
    hovered_ = hovered;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, hovered ? hoverColour() : restingColour());
    setPalette(colours);
    QFont look = font();
    look.setUnderline(hovered);
    setFont(look);
}

void LinkLabel::enterEvent(QEnterEvent *event)
{
    showHovered(true);
    QLabel::enterEvent(event);
}

// Leaving the label is moving over the panel behind it.
void LinkLabel::leaveEvent(QEvent *event)
{
    showHovered(false);
    QLabel::leaveEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace pwo
