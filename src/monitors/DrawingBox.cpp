#include "DrawingBox.h"

#include <QMouseEvent>
#include <QPainter>

DrawingBox::DrawingBox(const QString& name, const QRect& geometry, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(name);
    setGeometry(geometry);
    setAttribute(Qt::WA_OpaquePaintEvent);
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

void DrawingBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}
