#include "SystemIconPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

QImage blank(const QColor& fill)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QPen line(const QColor& colour, qreal width = 1.2)
{
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void computer(QPainter& p, const Theme& t)
{
    p.setPen(line(t.textDark));
    p.setBrush(t.accent2);
    p.drawRoundedRect(QRectF(1.5, 2.5, 13, 9), 1, 1);
    p.drawLine(QPointF(8, 11.5), QPointF(8, 13.5));
    p.drawLine(QPointF(4.5, 14), QPointF(11.5, 14));
}

void folder(QPainter& p, const Theme& t, const QColor& body)
{
    QPainterPath path;
    path.moveTo(1.5, 3.5);
    path.lineTo(6, 3.5);
    path.lineTo(7.5, 5);
    path.lineTo(14.5, 5);
    path.lineTo(14.5, 13.5);
    path.lineTo(1.5, 13.5);
    path.closeSubpath();
    p.setPen(line(t.textDark, 1));
    p.setBrush(body);
    p.drawPath(path);
}

void documents(QPainter& p, const Theme& t)
{
    folder(p, t, t.accent);
    p.setPen(line(t.field, 1));
    p.drawLine(QPointF(4.5, 8.5), QPointF(11.5, 8.5));
    p.drawLine(QPointF(4.5, 10.8), QPointF(10, 10.8));
}

void network(QPainter& p, const Theme& t)
{
    p.setPen(line(t.textDark));
    p.drawLine(QPointF(8, 4), QPointF(3, 12));
    p.drawLine(QPointF(8, 4), QPointF(13, 12));
    p.drawLine(QPointF(3, 12), QPointF(13, 12));
    p.setBrush(t.accent2);
    for (const QPointF& c : { QPointF(8, 3.5), QPointF(3, 12), QPointF(13, 12) })
        p.drawEllipse(c, 2.3, 2.3);
}

void trash(QPainter& p, const Theme& t)
{
    p.setPen(line(t.textDark));
    p.setBrush(t.fieldLight);
    p.drawRoundedRect(QRectF(3.5, 4.5, 9, 10), 1, 1);
    p.drawLine(QPointF(2, 3.5), QPointF(14, 3.5));
    p.drawLine(QPointF(6.5, 2), QPointF(9.5, 2));
    p.drawLine(QPointF(6.5, 7), QPointF(6.5, 12.5));
    p.drawLine(QPointF(9.5, 7), QPointF(9.5, 12.5));
}

void sliders(QPainter& p, const Theme& t)
{
    p.setPen(line(t.textDark));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(3.5 + i * 4.5, 2), QPointF(3.5 + i * 4.5, 14));
    p.setBrush(t.accent);
    const qreal knobs[] = { 10, 5, 8.5 };
    for (int i = 0; i < 3; ++i)
        p.drawRoundedRect(QRectF(1.8 + i * 4.5, knobs[i] - 1.5, 3.4, 3), 1, 1);
}

void printer(QPainter& p, const Theme& t)
{
    p.setPen(line(t.textDark));
    p.setBrush(t.field.lightness() < 128 ? QColor(240, 240, 240) : QColor(255, 255, 255));
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(t.accent2);
    p.drawRoundedRect(QRectF(1.5, 6, 13, 6), 1.5, 1.5);
    p.setBrush(t.fieldLight);
    p.drawRect(QRectF(4.5, 10, 7, 4.5));
}

void clock(QPainter& p, const Theme& t, const QColor& face)
{
    p.setPen(line(t.textDark));
    p.setBrush(face);
    p.drawEllipse(QPointF(8, 8), 6.3, 6.3);
    p.drawLine(QPointF(8, 8), QPointF(8, 4));
    p.drawLine(QPointF(8, 8), QPointF(11, 9.5));
}

void terminal(QPainter& p, const Theme& t)
{
    p.setPen(line(t.textDark));
    p.setBrush(QColor(20, 20, 20));
    p.drawRoundedRect(QRectF(1.5, 2.5, 13, 11), 1.5, 1.5);
    p.setPen(line(QColor(134, 239, 172), 1.3));
    p.drawLine(QPointF(4, 6), QPointF(6.5, 8));
    p.drawLine(QPointF(6.5, 8), QPointF(4, 10));
    p.drawLine(QPointF(8, 10.5), QPointF(11.5, 10.5));
}

void gear(QPainter& p, const Theme& t)
{
    QPainterPath path;
    for (int i = 0; i < 16; ++i) {
        const qreal angle = i * M_PI / 8;
        const qreal radius = i % 2 == 0 ? 7 : 5;
        const QPointF point(8 + radius * qCos(angle), 8 + radius * qSin(angle));
        i == 0 ? path.moveTo(point) : path.lineTo(point);
    }
    path.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(QPointF(8, 8), 2.2, 2.2);
    p.setPen(line(t.textDark, 0.8));
    p.setBrush(t.accent);
    p.drawPath(path.subtracted(hole));
}

void notepad(QPainter& p, const Theme& t)
{
    p.setPen(line(t.textDark));
    p.setBrush(QColor(254, 249, 195));
    p.drawRect(QRectF(3, 1.5, 10, 13));
    p.setPen(line(QColor(100, 116, 139), 1));
    for (int row = 0; row < 4; ++row)
        p.drawLine(QPointF(5, 4.5 + row * 2.7), QPointF(11, 4.5 + row * 2.7));
}

void unused(QPainter& p, const Theme& t)
{
    p.setPen(line(t.textDark));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2.5, 2.5, 11, 11), 2, 2);
}

void registry(QPainter& p, const Theme& t)
{
    p.setPen(line(t.textDark, 1));
    const QColor colours[] = { t.accent, t.accent2, t.accent2, t.accent };
    for (int i = 0; i < 4; ++i) {
        p.setBrush(colours[i]);
        p.drawRect(QRectF(2 + (i % 2) * 6.5, 2 + (i / 2) * 6.5, 5.5, 5.5));
    }
}

void speaker(QPainter& p, const Theme& t)
{
    QPainterPath body;
    body.moveTo(2, 6);
    body.lineTo(5, 6);
    body.lineTo(9, 2.5);
    body.lineTo(9, 13.5);
    body.lineTo(5, 10);
    body.lineTo(2, 10);
    body.closeSubpath();
    p.setPen(line(t.textDark, 1));
    p.setBrush(t.accent2);
    p.drawPath(body);
    p.setBrush(Qt::NoBrush);
    p.setPen(line(t.textDark));
    p.drawArc(QRectF(7, 5, 6, 6), -50 * 16, 100 * 16);
    p.drawArc(QRectF(6, 2.5, 9, 11), -50 * 16, 100 * 16);
}

void recorder(QPainter& p, const Theme& t)
{
    p.setPen(line(t.textDark));
    p.setBrush(t.fieldLight);
    p.drawRoundedRect(QRectF(5.5, 1.5, 5, 8.5), 2.5, 2.5);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(3.5, 5, 9, 7.5), 180 * 16, 180 * 16);
    p.drawLine(QPointF(8, 12.5), QPointF(8, 14.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(239, 68, 68));
    p.drawEllipse(QPointF(12.5, 3), 2, 2);
}

void bars(QPainter& p, const Theme& t)
{
    p.setPen(line(t.textDark, 1));
    p.drawLine(QPointF(1.5, 14.5), QPointF(14.5, 14.5));
    const qreal heights[] = { 5, 9, 7, 12 };
    for (int i = 0; i < 4; ++i) {
        p.setBrush(i % 2 ? t.accent : t.accent2);
        p.drawRect(QRectF(2.5 + i * 3, 14 - heights[i], 2.2, heights[i]));
    }
}

void update(QPainter& p, const Theme& t)
{
    p.setPen(line(t.accent, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(2.5, 2.5, 11, 11), 30 * 16, 150 * 16);
    p.drawArc(QRectF(2.5, 2.5, 11, 11), 210 * 16, 150 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(t.accent);
    p.drawPolygon(QPolygonF({ QPointF(11, 1.5), QPointF(15, 4.5), QPointF(10.5, 6.5) }));
    p.drawPolygon(QPolygonF({ QPointF(5, 14.5), QPointF(1, 11.5), QPointF(5.5, 9.5) }));
}

} // namespace

QImage SystemIconPainter::systemIcon(int number) const
{
    QImage image = blank(m_theme.field);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const Theme& t = m_theme;
    switch (number) {
    case 1:
        computer(p, t);
        break;
    case 2:
        documents(p, t);
        break;
    case 3:
        network(p, t);
        break;
    case 4:
        trash(p, t);
        break;
    case 5:
        sliders(p, t);
        break;
    case 6:
        printer(p, t);
        break;
    case 7:
        clock(p, t, t.fieldLight);
        break;
    case 8:
        terminal(p, t);
        break;
    case 9:
        gear(p, t);
        break;
    case 10:
        notepad(p, t);
        break;
    case 11:
        unused(p, t);
        break;
    case 12:
        registry(p, t);
        break;
    case 13:
        speaker(p, t);
        break;
    case 14:
        recorder(p, t);
        break;
    case 15:
        bars(p, t);
        break;
    default:
        update(p, t);
        break;
    }
    return image;
}

QImage SystemIconPainter::addressIcon() const
{
    QImage image = blank(m_theme.field);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(line(m_theme.accent2, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(8, 8), 6.3, 6.3);
    p.drawEllipse(QRectF(5.2, 1.7, 5.6, 12.6));
    p.drawLine(QPointF(1.7, 8), QPointF(14.3, 8));
    p.drawLine(QPointF(3, 4.8), QPointF(13, 4.8));
    p.drawLine(QPointF(3, 11.2), QPointF(13, 11.2));
    return image;
}
