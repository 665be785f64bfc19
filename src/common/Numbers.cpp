#include "Numbers.h"

#include <cmath>
#include <limits>

namespace Numbers {

static bool isSkipped(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

double LeadingNumber(const QString& text)
{
    QString compact;
    compact.reserve(text.size());
    for (QChar c : text) {
        if (!isSkipped(c))
            compact.append(c);
    }
    int end = 0;
    if (end < compact.size() && (compact[end] == u'+' || compact[end] == u'-'))
        ++end;
    int digits = 0;
    while (end < compact.size() && compact[end].isDigit() && compact[end].unicode() < 128) {
        ++end;
        ++digits;
    }
    if (end < compact.size() && compact[end] == u'.') {
        int fractionEnd = end + 1;
        while (fractionEnd < compact.size() && compact[fractionEnd].unicode() < 128
            && compact[fractionEnd].isDigit()) {
            ++fractionEnd;
            ++digits;
        }
        end = fractionEnd;
    }
    if (digits == 0)
        return 0.0;
    bool ok = false;
    const double value = compact.left(end).toDouble(&ok);
    return ok ? value : 0.0;
}

// A value beyond the 64-bit range saturates: converting it would be undefined.
qint64 RoundHalfEven(double value)
{
    constexpr double kTwoTo63 = 9223372036854775808.0;
    const double rounded = std::nearbyint(value);
    if (std::isnan(rounded))
        return 0;
    if (rounded >= kTwoTo63)
        return std::numeric_limits<qint64>::max();
    if (rounded < -kTwoTo63)
        return std::numeric_limits<qint64>::min();
    return static_cast<qint64>(rounded);
}

qint64 LeadingInteger(const QString& text)
{
    return RoundHalfEven(LeadingNumber(text));
}

} // namespace Numbers
