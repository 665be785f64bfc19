#include "SkinWidgets.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

PictureBox::PictureBox(const QString& name, QWidget* parent)
    : QLabel(parent)
{
    setObjectName(name);
}

void PictureBox::setSkinPicture(const QPixmap& pixmap)
{
    if (pixmap.isNull())
        return;
    setPixmap(pixmap);
    resize(pixmap.deviceIndependentSize().toSize());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

BackgroundImage::BackgroundImage(const QString& name, Fill fill, QWidget* parent)
    : QWidget(parent)
    , m_fill(fill)
{
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BackgroundImage::setSkinPicture(const QPixmap& pixmap)
{
    if (pixmap.isNull())
        return;
    m_picture = pixmap;
    update();
}

void BackgroundImage::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (m_picture.isNull()) {
        painter.fillRect(event->rect(), palette().window());
        return;
    }
    if (m_fill == Fill::Stretch) {
        painter.drawPixmap(rect(), m_picture);
        return;
    }
    // Only the exposed part is tiled, the tiles still starting at the widget's corner: a clock
    // tick repaints a few labels, not the whole bar.
    const QRect exposed = event->rect();
    const QSizeF tile = m_picture.deviceIndependentSize();
    painter.drawTiledPixmap(QRectF(exposed), m_picture,
        QPointF(std::fmod(exposed.x(), tile.width()), std::fmod(exposed.y(), tile.height())));
}

void BackgroundImage::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    if (!widget)
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

void setBackgroundColour(QWidget* widget, const QColor& colour)
{
    if (!widget)
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}
