#include "NoteLine.h"

#include "common/Numbers.h"

#include <QLocale>

#include <charconv>

namespace NoteLine {

QString field(const QString& line, int n)
{
    return line.section(u';', n, n);
}

int number(const QString& line, int n)
{
    return static_cast<int>(Numbers::LeadingInteger(field(line, n)));
}

static int partOf(const QString& text)
{
    return static_cast<int>(Numbers::LeadingInteger(text));
}

DueParts dueParts(const QString& dateField, const QString& timeField)
{
    DueParts due;
    due.year = partOf(dateField.left(4));
    due.month = partOf(dateField.mid(4, 2));
    due.day = partOf(dateField.right(2));
    due.hour = partOf(timeField.left(2));
    due.minute = partOf(timeField.right(2));
    return due;
}

QString withState(const QString& line, int state)
{
    const qsizetype separator = line.indexOf(u';');
    const QString rest = separator < 0 ? QString() : line.mid(separator + 1);
    return QString::number(state) + u';' + rest;
}

QString withPosition(const QString& line, double left, double top)
{
    QStringList fields = line.split(u';');
    if (fields.size() <= Top)
        return line;
    fields[Left] = twipsText(left);
    fields[Top] = twipsText(top);
    return fields.join(u';');
}

QString twipsText(double twips)
{
    char buffer[64];
    const auto result = std::to_chars(
        buffer, buffer + sizeof buffer, static_cast<float>(twips), std::chars_format::fixed);
    QString text = QString::fromLatin1(buffer, result.ptr - buffer);
    return text.replace(u'.', QLocale().decimalPoint());
}

QString dateText(const QDate& date)
{
    return QStringLiteral("%1%2%3")
        .arg(date.year(), 2, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}

QString timeText(const QTime& time)
{
    return QStringLiteral("%1%2")
        .arg(time.hour(), 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'));
}

QString makeLine(int state, int kind, const QDate& due, const QTime& dueTime,
    const QString& fileName, double left, double top)
{
    return QStringList { QString::number(state), QString::number(kind), dateText(due),
        timeText(dueTime), fileName, twipsText(left), twipsText(top) }
        .join(u';');
}

} // namespace NoteLine
