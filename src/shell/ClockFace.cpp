#include "ClockFace.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr double kHourWidth = 3.0;
constexpr double kMinuteWidth = 2.0;
constexpr double kSecondWidth = 1.0;
constexpr double kHubRadius = 2.5;
// Beyond the hand's ends: the hub's radius and a pixel of antialiasing, rounded up.
constexpr int kSecondHandMargin = 3;
// The second hand's area is made of squares along it about this long.
constexpr int kSecondHandPieceLength = 6;

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

QRegion SecondHandArea(const ClockHands& hands)
{
    const QLine& hand = hands.second;
    const int length = std::max(std::abs(hand.dx()), std::abs(hand.dy()));
    const int pieces = std::max(1, length / kSecondHandPieceLength);
    QRegion area;
    QPoint from = hand.p1();
    for (int piece = 1; piece <= pieces; ++piece) {
        const QPoint to = hand.p1() + (hand.p2() - hand.p1()) * piece / pieces;
        area += QRect(from, to).normalized().adjusted(
            -kSecondHandMargin, -kSecondHandMargin, kSecondHandMargin, kSecondHandMargin);
        from = to;
    }
    return area;
}

} // namespace ClockFace
