#include "ClockFace.h"

#include <QPainter>

namespace {

constexpr double kHourWidth = 3.0;
constexpr double kMinuteWidth = 2.0;
constexpr double kSecondWidth = 1.0;
constexpr double kHubRadius = 2.5;
// Beyond the hand's ends: the hub's radius and a pixel of antialiasing, rounded up.
constexpr int kSecondHandMargin = 3;

// Integer coordinates name pixels; the pen runs through their centres.
QLineF throughPixelCentres(const QLine& line)
{
    return QLineF(line).translated(0.5, 0.5);
}

void drawHand(QPainter& painter, const QLine& hand, const QColor& colour, double width)
{
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(throughPixelCentres(hand));
}

} // namespace

namespace ClockFace {

QImage Paint(const QPixmap& dial, const QSize& size, const ClockHands& hands,
    const HandColours& colours, qreal ratio)
{
    return AddSecondHand(PaintSlowHands(dial, size, hands, colours, ratio), hands, colours);
}

QImage PaintSlowHands(const QPixmap& dial, const QSize& size, const ClockHands& hands,
    const HandColours& colours, qreal ratio)
{
    QImage face(size * ratio, QImage::Format_ARGB32_Premultiplied);
    face.setDevicePixelRatio(ratio);
    face.fill(Qt::transparent);
    QPainter painter(&face);
    if (!dial.isNull())
        painter.drawPixmap(0, 0, dial);
    painter.setRenderHint(QPainter::Antialiasing);
    drawHand(painter, hands.hour, colours.hourAndMinute, kHourWidth);
    drawHand(painter, hands.minute, colours.hourAndMinute, kMinuteWidth);
    return face;
}

QImage AddSecondHand(QImage slowLayer, const ClockHands& hands, const HandColours& colours)
{
    QPainter painter(&slowLayer);
    DrawSecondHand(painter, hands, colours);
    painter.end();
    return slowLayer;
}

void DrawSecondHand(QPainter& painter, const ClockHands& hands, const HandColours& colours)
{
    painter.setRenderHint(QPainter::Antialiasing);
    drawHand(painter, hands.second, colours.second, kSecondWidth);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.second);
    painter.drawEllipse(QPointF(hands.second.p1()) + QPointF(0.5, 0.5), kHubRadius, kHubRadius);
}

QRect SecondHandArea(const ClockHands& hands)
{
    const QRect ends = QRect(hands.second.p1(), hands.second.p2()).normalized();
    return ends.adjusted(
        -kSecondHandMargin, -kSecondHandMargin, kSecondHandMargin, kSecondHandMargin);
}

} // namespace ClockFace
