#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QStringList>

// Which notes' reminders are due at a check. Moments are counted in minutes of the local wall
// clock. A check fires a reminder whose due minute lies between the previous check's minute and
// now, once for each due moment, so a minute passed during a sleep or a late tick still fires
// at the next check, and the sixty ticks of a daily reminder's minute fire it once.
class ReminderCheck {
public:
    static constexpr int kKindCount = 5;
    // The texts of the reminder kinds, in the order of their values.
    static const QStringList& KindTexts();

    // Minutes since the start of the Julian day count, on the wall clock.
    static qint64 MinuteOf(const QDateTime& moment);
    // The latest minute at or before nowMinute at which a reminder of this kind is due, or -1.
    static qint64 LatestDueMinute(
        int kind, const QString& dateField, const QString& timeField, qint64 nowMinute);

    // The first check after start-up also looks back to lastWrite, the last time the notes were
    // written, for one-time reminders whose moment passed while the program was not running.
    void start(const QDateTime& lastWrite);
    // The note indices (from 1) of table whose reminder is due now, in index order.
    QList<int> DueNotes(const QStringList& table, const QDateTime& now);
    // Indices are about to be reused: forget which moments have fired.
    void forget();

private:
    bool m_started = false;
    qint64 m_lastCheck = -1;
    qint64 m_lastWrite = -1;
    QHash<int, qint64> m_lastFired;
};
