#include "ClockText.h"

namespace ClockText {

QString TimeText(const QTime& time)
{
    return time.toString(QStringLiteral("HH:mm:ss"));
}

QString DateText(const QDate& date, const QLocale& locale)
{
    return locale.toString(date, QStringLiteral("ddd d MMM yyyy"));
}

} // namespace ClockText
