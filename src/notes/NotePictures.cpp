#include "NotePictures.h"

#include <QLinearGradient>
#include <QPainter>

namespace NotePictures {

QPixmap TitleBar(int width, int height)
{
    QPixmap pixmap(width, height);
    QPainter painter(&pixmap);
    QLinearGradient gradient(0, 0, 0, height);
    gradient.setColorAt(0, QColor(250, 226, 110));
    gradient.setColorAt(1, QColor(224, 190, 60));
    painter.fillRect(pixmap.rect(), gradient);
    painter.setPen(QColor(180, 150, 40));
    painter.drawLine(0, height - 1, width, height - 1);
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
