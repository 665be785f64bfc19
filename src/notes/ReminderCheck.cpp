#include "ReminderCheck.h"

#include "common/Numbers.h"

#include <QStringView>

#include <array>

namespace {

constexpr qint64 kMinutesPerDay = 24 * 60;

// Most fields are plain digits; anything else goes through the common leading-number rule.
int integerOf(QStringView text)
{
    if (text.isEmpty())
        return 0;
    int value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return static_cast<int>(Numbers::LeadingInteger(text.toString()));
        value = value * 10 + (c.unicode() - u'0');
        if (value > 100000000)
            return static_cast<int>(Numbers::LeadingInteger(text.toString()));
    }
    return value;
}

// Splits at ";" without copying; returns how many of the first fields were found.
int splitFields(QStringView line, std::array<QStringView, 4>& fields)
{
    int count = 0;
    qsizetype start = 0;
    while (count < int(fields.size())) {
        const qsizetype end = line.indexOf(u';', start);
        fields[count++] = line.mid(start, (end < 0 ? line.size() : end) - start);
        if (end < 0)
            break;
        start = end + 1;
    }
    return count;
}

qint64 minuteAt(const QDate& date, int minuteOfDay)
{
    return date.toJulianDay() * kMinutesPerDay + minuteOfDay;
}

struct Due {
    int year, month, day, minuteOfDay;
};

// The latest valid date with the given parts at or before (year, month) going back in steps.
qint64 latestMonthly(const Due& due, const QDate& today, qint64 nowMinute)
{
    int year = today.year();
    int month = today.month();
    for (int step = 0; step < 13; ++step) {
        if (QDate::isValid(year, month, due.day)) {
            const qint64 at = minuteAt(QDate(year, month, due.day), due.minuteOfDay);
            if (at <= nowMinute)
                return at;
        }
        if (--month == 0) {
            month = 12;
            --year;
        }
    }
    return -1;
}

qint64 latestYearly(const Due& due, const QDate& today, qint64 nowMinute)
{
    // Eight years always hold a 29 February.
    for (int year = today.year(); year >= today.year() - 8; --year) {
        if (QDate::isValid(year, due.month, due.day)) {
            const qint64 at = minuteAt(QDate(year, due.month, due.day), due.minuteOfDay);
            if (at <= nowMinute)
                return at;
        }
    }
    return -1;
}

qint64 latestDue(int kind, QStringView dateField, QStringView timeField, qint64 nowMinute)
{
    const int hour = integerOf(timeField.left(2));
    const int minute = integerOf(timeField.right(2));
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59)
        return -1;
    const Due due { integerOf(dateField.left(4)), integerOf(dateField.mid(4, 2)),
        integerOf(dateField.right(2)), hour * 60 + minute };
    const QDate today = QDate::fromJulianDay(nowMinute / kMinutesPerDay);
    switch (kind) {
    case 1: {
        if (!QDate::isValid(due.year, due.month, due.day))
            return -1;
        const qint64 at = minuteAt(QDate(due.year, due.month, due.day), due.minuteOfDay);
        return at <= nowMinute ? at : -1;
    }
    case 2: {
        const qint64 at = minuteAt(today, due.minuteOfDay);
        return at <= nowMinute ? at : at - kMinutesPerDay;
    }
    case 3:
        return latestMonthly(due, today, nowMinute);
    case 4:
        return latestYearly(due, today, nowMinute);
    default:
        return -1;
    }
}

} // namespace

const QStringList& ReminderCheck::KindTexts()
{
    static const QStringList texts {
        QStringLiteral("Pas d'\u00e9ch\u00e9ance"),
        QStringLiteral("Rappeler une fois \u00e0 Date et Heure fixes"),
        QStringLiteral("Rappeler tous les jours \u00e0 Heure fixe"),
        QStringLiteral("Rappeler tous les mois \u00e0 Date et Heure fixes"),
        QStringLiteral("Rappeler tous les ans \u00e0 Date et Heure fixes"),
    };
    return texts;
}

qint64 ReminderCheck::MinuteOf(const QDateTime& moment)
{
    return minuteAt(moment.date(), moment.time().hour() * 60 + moment.time().minute());
}

qint64 ReminderCheck::LatestDueMinute(
    int kind, const QString& dateField, const QString& timeField, qint64 nowMinute)
{
    return latestDue(kind, dateField, timeField, nowMinute);
}

void ReminderCheck::start(const QDateTime& lastWrite)
{
    m_started = true;
    m_lastCheck = -1;
    m_lastWrite = lastWrite.isValid() ? MinuteOf(lastWrite) : -1;
}

void ReminderCheck::forget()
{
    m_lastFired.clear();
}

QList<int> ReminderCheck::DueNotes(const QStringList& table, const QDateTime& now)
{
    const qint64 nowMinute = MinuteOf(now);
    if (!m_started)
        start(QDateTime());
    const bool firstCheck = m_lastCheck < 0;
    // A clock set back restarts the window at now rather than waiting for it to catch up.
    const qint64 since = firstCheck || m_lastCheck > nowMinute ? nowMinute : m_lastCheck;
    // A one-time reminder missed while the program was not running fires at the first check;
    // a minute that started before the last write was seen by the program.
    const qint64 onceSince = firstCheck && m_lastWrite >= 0 ? qMin(m_lastWrite + 1, since) : since;
    m_lastCheck = nowMinute;

    QList<int> due;
    std::array<QStringView, 4> fields;
    for (int i = 1; i < table.size(); ++i) {
        const QString& line = table.at(i);
        if (line.isEmpty() || splitFields(line, fields) < 4)
            continue;
        const int kind = integerOf(fields[1]);
        if (kind <= 0)
            continue;
        const qint64 at = latestDue(kind, fields[2], fields[3], nowMinute);
        if (at < 0 || at < (kind == 1 ? onceSince : since))
            continue;
        if (kind == 1 && integerOf(fields[0]) == 2)
            continue;
        const auto fired = m_lastFired.constFind(i);
        if (fired != m_lastFired.cend() && *fired == at)
            continue;
        m_lastFired.insert(i, at);
        due.append(i);
    }
    return due;
}
