#include "ToolIcons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace pwo {

namespace {

const QColor ink(0, 0, 64);
const QColor accent(40, 110, 190);
const QColor paper(255, 255, 255);

void drawDocument(QPainter &p)
{
    p.setBrush(paper);
    p.drawRect(QRectF(7, 3, 18, 26));
    for (int y = 9; y <= 21; y += 4)
        p.drawLine(QPointF(10, y), QPointF(22, y));
}

void draw(QPainter &p, ToolIcon which)
{
    switch (which) {
    case ToolIcon::DataEntry:  // a form and a pencil
        drawDocument(p);
        p.setPen(QPen(accent, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14, 26), QPointF(28, 12));
        break;
    case ToolIcon::Viewing:  // a magnifying glass
        p.setBrush(QColor(220, 235, 250));
        p.drawEllipse(QPointF(13, 13), 8, 8);
        p.setPen(QPen(accent, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(19, 19), QPointF(28, 28));
        break;
    case ToolIcon::FileMaintenance: {  // a folder with a gear mark
        QPainterPath folder;
        folder.moveTo(3, 9);
        folder.lineTo(12, 9);
        folder.lineTo(14, 12);
        folder.lineTo(29, 12);
        folder.lineTo(29, 27);
        folder.lineTo(3, 27);
        folder.closeSubpath();
        p.setBrush(QColor(250, 220, 130));
        p.drawPath(folder);
        p.setBrush(accent);
        p.drawEllipse(QPointF(20, 20), 4, 4);
        break;
    }
    case ToolIcon::Reports:  // a printer
        p.setBrush(paper);
        p.drawRect(QRectF(9, 3, 14, 9));
        p.setBrush(QColor(200, 210, 225));
        p.drawRoundedRect(QRectF(4, 12, 24, 11), 2, 2);
        p.setBrush(paper);
        p.drawRect(QRectF(9, 19, 14, 10));
        break;
    case ToolIcon::DischargeNotice: {  // a door with an arrow out
        p.setBrush(QColor(200, 160, 110));
        p.drawRect(QRectF(5, 3, 13, 26));
        p.setPen(QPen(accent, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, 16), QPointF(28, 16));
        p.drawLine(QPointF(24, 12), QPointF(28, 16));
        p.drawLine(QPointF(24, 20), QPointF(28, 16));
        break;
    }
    case ToolIcon::Listing:  // a list with bullets
        p.setBrush(paper);
        p.drawRect(QRectF(4, 4, 24, 24));
        for (int y = 10; y <= 22; y += 6) {
            p.setBrush(accent);
            p.drawEllipse(QPointF(9, y), 1.5, 1.5);
            p.drawLine(QPointF(13, y), QPointF(24, y));
        }
        break;
    case ToolIcon::ReferralNotice:  // an envelope
        p.setBrush(paper);
        p.drawRect(QRectF(3, 8, 26, 17));
        p.drawLine(QPointF(3, 8), QPointF(16, 18));
        p.drawLine(QPointF(29, 8), QPointF(16, 18));
        break;
    case ToolIcon::ChangeUser:  // a person with a turning arrow
        p.setBrush(QColor(220, 235, 250));
        p.drawEllipse(QPointF(12, 10), 5, 5);
        p.drawChord(QRectF(3, 16, 18, 18), 0, 180 * 16);
        p.setPen(QPen(accent, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(19, 8, 10, 10), 30 * 16, 270 * 16);
        p.drawLine(QPointF(28, 9), QPointF(28.5, 13));
        break;
    case ToolIcon::Program:  // the office's sign: a white cross on blue
        p.setBrush(accent);
        p.drawRoundedRect(QRectF(2, 2, 28, 28), 6, 6);
        p.setPen(Qt::NoPen);
        p.setBrush(paper);
        p.drawRect(QRectF(13, 7, 6, 18));
        p.drawRect(QRectF(7, 13, 18, 6));
        break;
    }
}

} // namespace

QIcon toolIcon(ToolIcon which)
{
    QIcon icon;
    for (const int scale : {1, 2}) {
        QPixmap pixmap(32 * scale, 32 * scale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        p.setPen(QPen(ink, 1.5));
        draw(p, which);
        p.end();
        pixmap.setDevicePixelRatio(scale);
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPixmap frameBackground(const QSize &size)
{
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(214, 228, 245));
    sky.setColorAt(1, QColor(160, 190, 225));
    p.fillRect(pixmap.rect(), sky);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font = p.font();
    font.setPointSize(28);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(255, 255, 255, 150));
    p.drawText(pixmap.rect().adjusted(0, 0, -40, -30), Qt::AlignRight | Qt::AlignBottom,
               QStringLiteral("Patient Welfare Office"));
    return pixmap;
}

} // namespace pwo
