#pragma once

#include <QLine>
#include <QSize>
#include <QTime>

// The three hands of the analog clock, each a segment from the dial's centre to its tip, in the
// dial's pixels (the vertical axis points down).
struct ClockHands {
    QLine hour;
    QLine minute;
    QLine second;

    bool operator==(const ClockHands&) const = default;
};

namespace ClockGeometry {

// Angles in degrees, clockwise from 12 o'clock. The hour angle runs on to 720 in the afternoon;
// hour and minute angles are rounded to whole degrees, halves to even.
int HourAngle(int hour, int minute);
int MinuteAngle(int minute, int second);
int SecondAngle(int second);

// A hand of the given length from centre at angle degrees; the offsets of its tip are rounded
// down (towards minus infinity).
QLine Hand(const QPoint& centre, int angle, int length);

// The hands at time on a dial of the given size. Every length is measured from the dial's
// half-height, also on a dial wider than it is high.
ClockHands HandsAt(const QTime& time, const QSize& dial);

} // namespace ClockGeometry
