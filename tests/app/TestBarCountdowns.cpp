#include "app/BarCountdowns.h"

#include <QTest>

// The ticks at which the weather is fetched and mail accounts are checked, tick by tick.
class TestBarCountdowns : public QObject {
    Q_OBJECT

private slots:
    void weather_is_fetched_on_the_third_tick_then_every_period_data()
    {
        QTest::addColumn<QList<bool>>("online");
        QTest::addColumn<QList<int>>("fetches");
        const QList<bool> always(10, true);
        QTest::newRow("online") << always << QList<int> { 3, 7 };
        QList<bool> late = always;
        late[2] = late[3] = false;
        QTest::newRow("offline at the due tick: the next online tick fetches")
            << late << QList<int> { 5, 9 };
    }
    void weather_is_fetched_on_the_third_tick_then_every_period()
    {
        QFETCH(QList<bool>, online);
        BarCountdowns c;
        c.startMeteo();
        QList<int> due;
        for (int tick = 1; tick <= online.size(); ++tick) {
            if (c.meteoTick(online[tick - 1], 4))
                due.append(tick);
        }
        QTEST(due, "fetches");
    }

    // Mail is checked on the second tick, then every period; a round under way checks its next
    // account every tick; offline, the due check waits; a click makes the next tick check.
    void mail_checks_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QList<int>>("offline");
        QTest::addColumn<QList<int>>("underWay");
        QTest::addColumn<int>("clickAfter");
        QTest::addColumn<QList<int>>("checks");
        QTest::addColumn<int>("countdown"); // after the last tick
        QTest::newRow("every period")
            << 1205 << QList<int>() << QList<int>() << 0 << QList<int> { 2, 602, 1202 } << 597;
        QTest::newRow("accounts 2 and 3 of a round")
            << 10 << QList<int>() << QList<int> { 3, 4 } << 0 << QList<int> { 2, 3, 4 } << 594;
        QTest::newRow("offline at the due tick")
            << 6 << QList<int> { 1, 2, 3, 4 } << QList<int>() << 0 << QList<int> { 5 } << 599;
        QTest::newRow("a click") << 4 << QList<int>() << QList<int>() << 3 << QList<int> { 2, 4 }
                                 << 600;
    }
    void mail_checks()
    {
        QFETCH(int, ticks);
        QFETCH(QList<int>, offline);
        QFETCH(QList<int>, underWay);
        QFETCH(int, clickAfter);
        BarCountdowns c;
        c.startMail();
        QList<int> due;
        for (int tick = 1; tick <= ticks; ++tick) {
            if (c.mailTick(!offline.contains(tick), underWay.contains(tick), 600))
                due.append(tick);
            if (tick == clickAfter)
                c.mailNow();
        }
        QTEST(due, "checks");
        QTEST(c.mail(), "countdown");
    }
};

QTEST_GUILESS_MAIN(TestBarCountdowns)
#include "TestBarCountdowns.moc"
