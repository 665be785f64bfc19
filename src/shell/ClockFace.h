#pragma once

#include "ClockHands.h"

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QRegion>

class QPainter;

// The clock picture: the skin's dial with the three hands drawn over it, antialiased.
namespace ClockFace {

struct HandColours {
    QColor hourAndMinute;
    QColor second;
    bool operator==(const HandColours&) const = default;
};

// A picture of size: dial (transparent when null) with the hands on top; the hour hand is the
// widest, the second hand the thinnest. ratio is the screen's pixels per unit of size, so the
// hands are drawn at the screen's own density.
QImage Paint(const QPixmap& dial, const QSize& size, const ClockHands& hands,
    const HandColours& colours, qreal ratio = 1.0);

// Paint in two layers, for a clock that ticks every second: the dial with the hour and minute
// hands, which change a few times a minute, and that layer with the second hand on top.
QImage PaintSlowHands(const QPixmap& dial, const QSize& size, const ClockHands& hands,
    const HandColours& colours, qreal ratio = 1.0);
QImage AddSecondHand(QImage slowLayer, const ClockHands& hands, const HandColours& colours);
void DrawSecondHand(QPainter& painter, const ClockHands& hands, const HandColours& colours);

// The pixels the second hand and its hub may touch, in the dial's units: when only the second
// hand moves, repainting this area for the old and the new hand brings the picture up to date.
// A few small squares along the hand rather than its bounding box, which for a slanted hand is
// mostly dial.
QRegion SecondHandArea(const ClockHands& hands);

} // namespace ClockFace
