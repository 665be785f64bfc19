#include "Pop3Stat.h"

#include "common/Numbers.h"

static QString lineWithoutEnd(const QString& reply)
{
    QString line = reply;
    if (line.endsWith(QLatin1Char('\n')))
        line.chop(1);
    if (line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    return line;
}

Pop3Stat Pop3Stat::ParsePop3Stat(const QString& reply, const QLocale& locale)
{
    const QString line = lineWithoutEnd(reply);
    const qsizetype p1 = line.indexOf(QLatin1Char(' '));
    const qsizetype p2 = p1 < 0 ? -1 : line.indexOf(QLatin1Char(' '), p1 + 1);
    if (p2 < 0)
        return {};
    const double bytes = Numbers::LeadingNumber(line.mid(p2 + 1));
    return { line.mid(p1, p2 - p1), FormatSize(bytes, locale) };
}

QString Pop3Stat::FormatSize(double bytes, const QLocale& locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    const double kilobytes = bytes / 1024;
    if (kilobytes > 1024)
        return plain.toString(kilobytes / 1024, 'f', 2) + QStringLiteral(" Mo");
    if (kilobytes < 0)
        return QString();
    // "0.##": up to two decimals, trailing zeros dropped, the separator always written.
    QString text = plain.toString(kilobytes, 'f', 2);
    while (text.endsWith(plain.zeroDigit()))
        text.chop(plain.zeroDigit().size());
    return text + QStringLiteral(" Ko");
}

QString Pop3Stat::statusText() const
{
    if (Numbers::LeadingNumber(count) <= 0)
        return QString();
    return count.trimmed() + QStringLiteral(" message(s) (") + size + QLatin1Char(')');
}
