#pragma once

#include "ClockHands.h"

#include <QColor>
#include <QImage>
#include <QPixmap>

// The clock picture: the skin's dial with the three hands drawn over it, antialiased.
namespace ClockFace {

struct HandColours {
    QColor hourAndMinute;
    QColor second;
};

// A picture of size: dial (transparent when null) with the hands on top; the hour hand is the
// widest, the second hand the thinnest. ratio is the screen's pixels per unit of size, so the
// hands are drawn at the screen's own density.
QImage Paint(const QPixmap& dial, const QSize& size, const ClockHands& hands,
    const HandColours& colours, qreal ratio = 1.0);

} // namespace ClockFace
