#include "TestApp.h"
#include "app/frmTolvane.h"
#include "shell/SettingsKeys.h"

#include <QtTest>

// What the bar asks of the session: a dock at its edge holding the strip it covers, and a place
// among the programs started with the session when the settings say so.
class TestBarScreenEdge : public QObject {
    Q_OBJECT

    using Side = ScreenEdge::Side;

private slots:
    void strip_follows_the_bar_and_the_setting_data()
    {
        QTest::addColumn<QString>("position");
        QTest::addColumn<QString>("reserve");
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("slidAway");
        QTest::newRow("right edge") << "0"
                                    << "1" << int(Side::Right) << 146 << 7;
        QTest::newRow("left edge") << "1"
                                   << "1" << int(Side::Left) << 146 << 7;
        QTest::newRow("switched off") << "0"
                                      << "0" << int(Side::Right) << 0 << 0;
    }
    void strip_follows_the_bar_and_the_setting()
    {
        QFETCH(QString, position);
        QFETCH(QString, reserve);
        QFETCH(int, side);
        QFETCH(int, shown);
        QFETCH(int, slidAway);
        TestApp app;
        app.settings->save(Keys::Position, position);
        app.settings->save(Keys::ReserveScreenEdge, reserve);
        frmTolvane bar(app.context);
        bar.InitBar();
        bar.show();
        QCOMPARE(app.fakes.screenEdge.docked, 1);
        auto& reservations = app.fakes.screenEdge.reservations;
        QVERIFY(!reservations.isEmpty());
        QCOMPARE(int(reservations.last().side), side);
        QCOMPARE(reservations.last().width, shown);

        bar.hideBar();
        QCOMPARE(reservations.last().width, slidAway);
        QTRY_VERIFY(!bar.isSliding());
        QCOMPARE(reservations.last().width, slidAway);
        bar.showBarAgain();
        QCOMPARE(reservations.last().width, shown);
    }

    void autostart_follows_the_setting_data()
    {
        QTest::addColumn<QString>("stored"); // empty: never stored
        QTest::addColumn<bool>("enabled");
        QTest::newRow("off by default") << "" << false;
        QTest::newRow("on") << "1" << true;
        QTest::newRow("off") << "0" << false;
    }
    void autostart_follows_the_setting()
    {
        QFETCH(QString, stored);
        QFETCH(bool, enabled);
        TestApp app;
        app.fakes.sessionStart.enabled = !enabled;
        if (!stored.isEmpty())
            app.settings->save(Keys::AutoStart, stored);
        frmTolvane bar(app.context);
        bar.InitBar();
        QCOMPARE(app.fakes.sessionStart.enabled, enabled);
    }
};

QTEST_MAIN(TestBarScreenEdge)
#include "TestBarScreenEdge.moc"
