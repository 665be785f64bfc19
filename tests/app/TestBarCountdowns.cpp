#include "app/BarCountdowns.h"

#include <QTest>

// The ticks at which the weather is fetched and mail accounts are checked, tick by tick.
class TestBarCountdowns : public QObject {
    Q_OBJECT

    // The 1-based ticks, among the first `count`, at which mailTick said to check.
    static QList<int> mailChecks(BarCountdowns& c, int count, int period,
        const std::function<bool(int)>& online, const std::function<bool(int)>& underWay)
    {
        QList<int> due;
        for (int tick = 1; tick <= count; ++tick) {
            if (c.mailTick(online(tick), underWay(tick), period))
                due.append(tick);
        }
        return due;
    }

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

    void first_round_on_the_second_tick_then_every_period()
    {
        BarCountdowns c;
        c.startMail();
        const auto yes = [](int) { return true; };
        const auto no = [](int) { return false; };
        QCOMPARE(mailChecks(c, 1205, 600, yes, no), QList<int>({ 2, 602, 1202 }));
    }

    void a_round_under_way_checks_an_account_every_tick()
    {
        BarCountdowns c;
        c.startMail();
        // Accounts 2 and 3 of the round are due on the ticks after the first.
        const auto underWay = [](int tick) { return tick == 3 || tick == 4; };
        QCOMPARE(mailChecks(
                     c, 10, 600, [](int) { return true; }, underWay),
            QList<int>({ 2, 3, 4 }));
        QCOMPARE(c.mail(), 594);
    }

    void offline_at_the_due_tick_checks_at_the_next_online_tick()
    {
        BarCountdowns c;
        c.startMail();
        const auto online = [](int tick) { return tick >= 5; };
        QCOMPARE(mailChecks(c, 6, 600, online, [](int) { return false; }), QList<int>({ 5 }));
        QCOMPARE(c.mail(), 599);
    }

    void a_click_makes_the_next_tick_check()
    {
        BarCountdowns c;
        c.startMail();
        QVERIFY(!c.mailTick(true, false, 600));
        QVERIFY(c.mailTick(true, false, 600));
        QVERIFY(!c.mailTick(true, false, 600));
        c.mailNow();
        QVERIFY(c.mailTick(true, false, 600));
    }
};

QTEST_GUILESS_MAIN(TestBarCountdowns)
#include "TestBarCountdowns.moc"
