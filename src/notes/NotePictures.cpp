#include "NotePictures.h"

#include <QLinearGradient>
#include <QPainter>

namespace NotePictures {

// Transparent but for a grip and an underline, so the note's colour (normal or alarm) shows
// through and matches the title label beside it.
QPixmap TitleBar(int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const QColor ink(90, 70, 0, 90);
    for (int x = width - 80; x < width - 24; x += 4) {
        for (int y = 5; y < height - 4; y += 4)
            painter.fillRect(x, y, 2, 2, ink);
    }
    painter.fillRect(0, height - 1, width, 1, ink);
    return pixmap;
}

QPixmap Logo(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF sheet(2.5, 1.5, size - 5, size - 3);
    painter.setPen(QPen(QColor(120, 96, 20), 1));
    painter.setBrush(QColor(255, 255, 192));
    painter.drawRect(sheet);
    for (int y = 5; y < size - 3; y += 3)
        painter.drawLine(QPointF(5, y + 0.5), QPointF(size - 5, y + 0.5));
    painter.setBrush(QColor(200, 40, 40));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(size / 2.0, 2.5), 2, 2);
    return pixmap;
}

QPixmap Close(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(110, 80, 10), 2, Qt::SolidLine, Qt::RoundCap));
    const double inset = size * 0.28;
    painter.drawLine(QPointF(inset, inset), QPointF(size - inset, size - inset));
    painter.drawLine(QPointF(size - inset, inset), QPointF(inset, size - inset));
    return pixmap;
}

} // namespace NotePictures
