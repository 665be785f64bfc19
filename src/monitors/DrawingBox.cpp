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

// One image pixel per screen pixel, so lines and text stay sharp on a high-density screen; the
// drawing itself works in the widget's own units.
QImage& DrawingBox::canvas()
{
    const qreal ratio = devicePixelRatioF();
    if (m_image.size() != size() * ratio) {
        m_image = QImage(size() * ratio, QImage::Format_RGB32);
        m_image.setDevicePixelRatio(ratio);
    }
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
