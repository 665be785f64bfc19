#include "DataRow.h"
#include "NotesFixture.h"
#include "notes/ReminderCheck.h"

#include <QTest>

namespace {

// Ticks of the one-second check: each row lists the moments of its checks.
using Ticks = QList<QDateTime>;

QDateTime at(int y, int mo, int d, int h, int mi, int s = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s));
}

Ticks everySecond(const QDateTime& from, int count)
{
    Ticks ticks;
    for (int i = 0; i < count; ++i)
        ticks.append(from.addSecs(i));
    return ticks;
}

} // namespace

class TestReminders : public QObject {
    Q_OBJECT
private slots:
    void fires_once_per_due_moment_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<Ticks>("ticks");
        QTest::addColumn<QList<int>>("firedAtTick"); // tick numbers that fire

        const QString daily = QStringLiteral("1;2;19990101;0730;a.fic;0;0");
        dataRow("once_fires_at_first_tick_of_its_minute_only", "1;1;20050307;1405;a.fic;0;0",
            everySecond(at(2005, 3, 7, 14, 4, 58), 70), QList<int> { 2 });
        dataRow("once_already_fired_state_2_stays_quiet", "2;1;20050307;1405;a.fic;0;0",
            everySecond(at(2005, 3, 7, 14, 4, 58), 10), QList<int> {});
        dataRow("once_other_day_never", "1;1;20050308;1405;a.fic;0;0",
            everySecond(at(2005, 3, 7, 14, 4, 58), 70), QList<int> {});
        dataRow("daily_sixty_ticks_one_firing_whatever_the_date", daily,
            everySecond(at(2005, 3, 7, 7, 29, 59), 62), QList<int> { 1 });
        dataRow("daily_again_next_day", daily,
            Ticks { at(2005, 3, 7, 7, 30, 5), at(2005, 3, 7, 7, 30, 6), at(2005, 3, 8, 7, 29, 59),
                at(2005, 3, 8, 7, 30, 0) },
            QList<int> { 0, 3 });
        dataRow("daily_minute_slept_through_fires_at_next_check", daily,
            Ticks { at(2005, 3, 7, 7, 29, 50), at(2005, 3, 7, 8, 45, 0), at(2005, 3, 7, 8, 45, 1) },
            QList<int> { 1 });
        dataRow("daily_started_within_its_minute", daily, Ticks { at(2005, 3, 7, 7, 30, 40) },
            QList<int> { 0 });
        dataRow("daily_started_after_its_minute", daily, Ticks { at(2005, 3, 7, 7, 31, 0) },
            QList<int> {});
        dataRow("monthly_on_its_day", "0;3;20040115;1200;a.fic;0;0",
            Ticks { at(2005, 3, 14, 12, 0), at(2005, 3, 15, 11, 59, 59), at(2005, 3, 15, 12, 0, 1),
                at(2005, 3, 15, 12, 0, 2) },
            QList<int> { 2 });
        dataRow("monthly_day_31_skips_april", "1;3;20050131;0900;a.fic;0;0",
            Ticks { at(2005, 3, 31, 8, 59, 59), at(2005, 3, 31, 9, 0), at(2005, 4, 30, 9, 0),
                at(2005, 5, 1, 9, 0), at(2005, 5, 31, 9, 0) },
            QList<int> { 1, 4 });
        dataRow("yearly_on_29_february_only_in_leap_years", "1;4;20040229;0800;a.fic;0;0",
            Ticks { at(2007, 2, 28, 8, 0), at(2007, 3, 1, 8, 0), at(2008, 2, 29, 7, 59),
                at(2008, 2, 29, 8, 0) },
            QList<int> { 3 });
        dataRow("kind_0_never", "1;0;20050307;1010;a.fic;0;0", Ticks { at(2005, 3, 7, 10, 10) },
            QList<int> {});
        dataRow("kind_5_never", "1;5;20050307;1010;a.fic;0;0", Ticks { at(2005, 3, 7, 10, 10) },
            QList<int> {});
        dataRow("hour_25_never", "1;2;20050307;2510;a.fic;0;0", Ticks { at(2005, 3, 7, 1, 10) },
            QList<int> {});
        dataRow(
            "too_few_fields_never", "1;2;20050307", Ticks { at(2005, 3, 7, 0, 0) }, QList<int> {});
        dataRow("clock_set_back_fires_again_at_the_moment", daily,
            Ticks { at(2005, 3, 7, 9, 0), at(2005, 3, 7, 7, 29, 59), at(2005, 3, 7, 7, 30) },
            QList<int> { 2 });
    }
    void fires_once_per_due_moment()
    {
        QFETCH(QString, line);
        QFETCH(Ticks, ticks);
        ReminderCheck check;
        // A deleted note before it: later notes are still checked.
        const QStringList table { QString(), QString(), line };
        QList<int> fired;
        for (int tick = 0; tick < ticks.size(); ++tick) {
            const QList<int> due = check.DueNotes(table, ticks[tick]);
            if (!due.isEmpty()) {
                QCOMPARE(due, QList<int>({ 2 }));
                fired.append(tick);
            }
        }
        QTEST(fired, "firedAtTick");
    }

    void one_time_reminder_missed_while_closed_fires_at_start_up_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QDateTime>("lastWrite");
        QTest::addColumn<bool>("fires");
        dataRow("missed_once", "1;1;20050307;1405;a.fic;0;0", at(2005, 3, 7, 12, 0), true);
        dataRow("missed_once_hidden", "0;1;20050307;1405;a.fic;0;0", at(2005, 3, 7, 12, 0), true);
        dataRow("fired_and_not_seen", "2;1;20050307;1405;a.fic;0;0", at(2005, 3, 7, 12, 0), false);
        dataRow("fired_then_saved_by_the_user", "1;1;20050307;1405;a.fic;0;0",
            at(2005, 3, 7, 14, 6), false);
        dataRow("daily_missed_is_not_caught_up", "1;2;20050307;0730;a.fic;0;0",
            at(2005, 3, 7, 12, 0), false);
        dataRow("no_file_yet", "1;1;20050307;1405;a.fic;0;0", QDateTime(), false);
    }
    void one_time_reminder_missed_while_closed_fires_at_start_up()
    {
        QFETCH(QString, line);
        QFETCH(QDateTime, lastWrite);
        QFETCH(bool, fires);
        ReminderCheck check;
        check.start(lastWrite);
        const QStringList table { QString(), line };
        QCOMPARE(check.DueNotes(table, at(2005, 3, 8, 9, 0)).size(), fires ? 1 : 0);
        QVERIFY(check.DueNotes(table, at(2005, 3, 8, 9, 0, 1)).isEmpty());
    }

    // The store's own timer fires the notes; one whose window is gone stays as it was and
    // silent. Without a sound file the platform's own alert plays.
    void reminders_fire_on_their_own_timer_for_notes_with_a_window()
    {
        TestApp app(false);
        writeIndex(app, { "1;2;20050307;1011;a.fic;0;0", "1;2;20050307;1011;b.fic;0;0" });
        app.fakes.clock.current = at(2005, 3, 7, 10, 11, 0);
        modPenseBete store(app.context);
        RecordingHost host;
        host.missing = { 1 };
        store.setWindowHost(&host);
        store.LoadNotes();
        QTRY_COMPARE_WITH_TIMEOUT(host.alarmed, QList<int>({ 2 }), 3000);
        QCOMPARE(store.entry(1), QStringLiteral("1;2;20050307;1011;a.fic;0;0"));
        QCOMPARE(app.fakes.sound.played, QStringList({ QString() }));
    }
};

QTEST_MAIN(TestReminders)
#include "TestReminders.moc"
