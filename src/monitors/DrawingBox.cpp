#include "DrawingBox.h"

#include <QPainter>

DrawingBox::DrawingBox(const QString& name, const QRect& geometry, QWidget* parent)
    : PictureBox(name, parent)
{
    setGeometry(geometry);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont scaleFont = font();
    scaleFont.setPixelSize(9);
    setFont(scaleFont);
}

QImage& DrawingBox::canvas()
{
    if (m_image.size() != size())
        m_image = QImage(size(), QImage::Format_RGB32);
    return m_image;
}

void DrawingBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_image.isNull())
        painter.fillRect(rect(), palette().window());
    else
        painter.drawImage(0, 0, m_image);
}
