#include "LinkLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace pwo {

LinkLabel::LinkLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    // Reached with Tab and pressed with Space or Enter, as a button is.
    setFocusPolicy(Qt::StrongFocus);
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
    showHovered(hasFocus());
    QLabel::leaveEvent(event);
}

// The focus looks as the pointer over it does, so that a Tab stop shows.
void LinkLabel::focusInEvent(QFocusEvent *event)
{
    showHovered(true);
    QLabel::focusInEvent(event);
}

void LinkLabel::focusOutEvent(QFocusEvent *event)
{
    showHovered(underMouse());
    QLabel::focusOutEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit clicked();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace pwo
