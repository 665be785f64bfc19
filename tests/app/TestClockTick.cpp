#include "TestApp.h"
#include "app/frmTolvane.h"
#include "shell/ClockHands.h"
#include "shell/frmHorloge.h"

#include <QLabel>
#include <QTest>

namespace {

QString shownTime(const frmTolvane& bar)
{
    return bar.findChild<QLabel*>(QStringLiteral("labHHMMSS"))->text();
}

} // namespace

class TestClockTick : public QObject {
    Q_OBJECT
private slots:
    void clock_drawn_as_soon_as_the_bar_starts();
    void clock_stays_still_while_hidden_and_catches_up_after();
};

void TestClockTick::clock_drawn_as_soon_as_the_bar_starts()
{
    TestApp app;
    app.fakes.clock.current = QDateTime(QDate(2005, 3, 7), QTime(10, 10, 30));
    frmTolvane bar(app.context);
    bar.InitBar();

    const frmHorloge* clock = bar.findChild<frmHorloge*>();
    QCOMPARE(shownTime(bar), QStringLiteral("10:10:30"));
    QCOMPARE(clock->hands(), ClockGeometry::HandsAt(QTime(10, 10, 30), QSize(100, 100)));
}

void TestClockTick::clock_stays_still_while_hidden_and_catches_up_after()
{
    TestApp app;
    app.fakes.clock.current = QDateTime(QDate(2005, 3, 7), QTime(9, 0, 0));
    frmTolvane bar(app.context);
    bar.InitBar();
    const frmHorloge* clock = bar.findChild<frmHorloge*>();
    bar.onClockTick();
    const ClockHands before = clock->hands();

    bar.hideBar();
    app.fakes.clock.current = QDateTime(QDate(2005, 3, 8), QTime(9, 30, 15));
    bar.onClockTick();
    QCOMPARE(shownTime(bar), QStringLiteral("09:00:00"));
    QCOMPARE(clock->hands(), before);
    QCOMPARE(bar.findChild<QLabel*>(QStringLiteral("labCalendar"))->text(), QStringLiteral("7"));

    bar.showBarAgain();
    QCOMPARE(shownTime(bar), QStringLiteral("09:00:00")); // only a tick redraws
    bar.onClockTick();
    QCOMPARE(shownTime(bar), QStringLiteral("09:30:15"));
    QCOMPARE(bar.findChild<QLabel*>(QStringLiteral("labCalendar"))->text(), QStringLiteral("8"));
    QCOMPARE(clock->hands(), ClockGeometry::HandsAt(QTime(9, 30, 15), QSize(100, 100)));
}

QTEST_MAIN(TestClockTick)
#include "TestClockTick.moc"
