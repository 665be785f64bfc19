#include "ClockHands.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265359;
// Below this distance from a whole number, a product of a cosine and a length is rounding noise:
// cos(90 degrees) comes out as -1e-13, and must not floor a vertical hand one pixel aside.
constexpr double kNoise = 1e-9;

constexpr int kHourShortening = 20;
constexpr int kMinuteShortening = 16;
constexpr int kSecondShortening = 14;

// numerator / denominator rounded to the nearest integer, halves to the even one, with no
// floating point so that 719.5 is exactly a half.
int divideRoundHalfEven(int numerator, int denominator)
{
    const int quotient = numerator / denominator;
    const int twiceRemainder = 2 * (numerator % denominator);
    if (twiceRemainder > denominator)
        return quotient + 1;
    if (twiceRemainder == denominator)
        return quotient + (quotient & 1);
    return quotient;
}

int floorOffset(double value)
{
    const double nearest = std::round(value);
    if (std::abs(value - nearest) < kNoise)
        return static_cast<int>(nearest);
    return static_cast<int>(std::floor(value));
}

} // namespace

namespace ClockGeometry {

// (hour + minute / 60) * 30 = (60 hour + minute) / 2
int HourAngle(int hour, int minute)
{
    return divideRoundHalfEven(60 * hour + minute, 2);
}

// (minute + second / 60) * 6 = (60 minute + second) / 10
int MinuteAngle(int minute, int second)
{
    return divideRoundHalfEven(60 * minute + second, 10);
}

int SecondAngle(int second)
{
    return second * 6;
}

QLine Hand(const QPoint& centre, int angle, int length)
{
    const double radians = (angle - 90) * kPi / 180;
    const int dx = floorOffset(std::cos(radians) * length);
    const int dy = floorOffset(std::sin(radians) * length);
    return QLine(centre, centre + QPoint(dx, dy));
}

ClockHands HandsAt(const QTime& time, const QSize& dial)
{
    const QPoint centre(dial.width() / 2, dial.height() / 2);
    const int half = dial.height() / 2;
    auto length = [half](int shortening) { return std::max(0, half - shortening); };
    return {
        Hand(centre, HourAngle(time.hour(), time.minute()), length(kHourShortening)),
        Hand(centre, MinuteAngle(time.minute(), time.second()), length(kMinuteShortening)),
        Hand(centre, SecondAngle(time.second()), length(kSecondShortening)),
    };
}

} // namespace ClockGeometry
