#include "StringTools.h"

#include "Numbers.h"

#include <QStringList>

#include <stdexcept>

namespace StringTools {

QString StrBefore(const QString& text, const QString& separator)
{
    if (text.isEmpty())
        return {};
    const qsizetype p = text.indexOf(separator);
    if (p < 0)
        throw std::invalid_argument("StrBefore: separator not found");
    return text.left(p);
}

QString StrAfter(const QString& text, const QString& separator)
{
    if (text.isEmpty())
        return {};
    const qsizetype p = text.indexOf(separator) + 1; // 1-based, 0 when absent
    const qsizetype count = text.size() - p - separator.size() + 1;
    if (count < 0)
        throw std::invalid_argument("StrAfter: separator longer than the text");
    return text.right(count);
}

QString TruncateText(const QString& text, int maxLength)
{
    if (text.size() > maxLength)
        return text.left(qMax(0, maxLength)) + QStringLiteral(" ...");
    return text;
}

QString ShortenMiddle(const QString& text, int maxLength)
{
    if (text.size() <= maxLength)
        return text;
    const qsizetype k = qMax<qint64>(0, Numbers::RoundHalfEven((maxLength - 2) / 2.0));
    return text.left(k) + QStringLiteral("..") + text.right(k);
}

} // namespace StringTools
