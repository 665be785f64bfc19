#include "shell/ClockHands.h"

#include <QTest>

class TestClockHands : public QObject {
    Q_OBJECT
private slots:
    void hands_at_time_data();
    void hands_at_time();
    void angles_round_halves_to_even_data();
    void angles_round_halves_to_even();
    void tiny_dial_keeps_hands_at_the_centre();
};

void TestClockHands::hands_at_time_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QSize>("dial");
    QTest::addColumn<QPoint>("hourTip");
    QTest::addColumn<QPoint>("minuteTip");
    QTest::addColumn<QPoint>("secondTip");

    const QSize square(100, 100);
    QTest::newRow("midnight_all_hands_straight_up")
        << QTime(0, 0, 0) << square << QPoint(50, 20) << QPoint(50, 16) << QPoint(50, 14);
    QTest::newRow("three_oclock_hour_hand_flat_right")
        << QTime(3, 0, 0) << square << QPoint(80, 50) << QPoint(50, 16) << QPoint(50, 14);
    QTest::newRow("six_oclock_hour_hand_straight_down")
        << QTime(6, 0, 0) << square << QPoint(50, 80) << QPoint(50, 16) << QPoint(50, 14);
    QTest::newRow("half_past_three_pm_hour_at_465_degrees")
        << QTime(15, 30, 0) << square << QPoint(78, 57) << QPoint(50, 84) << QPoint(50, 14);
    QTest::newRow("ten_past_ten_and_a_half_minute_at_63_degrees")
        << QTime(10, 10, 30) << square << QPoint(25, 32) << QPoint(80, 34) << QPoint(50, 86);
    QTest::newRow("one_minute_to_midnight_hour_rounds_to_720")
        << QTime(23, 59, 0) << square << QPoint(50, 20) << QPoint(46, 16) << QPoint(50, 14);
    // sin(-30 degrees) * 30 is -15 exactly; floating noise must not push the tip a pixel up.
    QTest::newRow("two_oclock_exact_half_offset_not_floored_past")
        << QTime(2, 0, 0) << square << QPoint(75, 35) << QPoint(50, 16) << QPoint(50, 14);
    QTest::newRow("eleven_oclock_exact_half_offset_not_floored_past")
        << QTime(11, 0, 0) << square << QPoint(35, 24) << QPoint(50, 16) << QPoint(50, 14);
    QTest::newRow("wide_dial_lengths_from_half_height")
        << QTime(3, 0, 0) << QSize(160, 100) << QPoint(110, 50) << QPoint(80, 16) << QPoint(80, 14);
    QTest::newRow("tall_dial_centre_from_half_width")
        << QTime(0, 0, 0) << QSize(80, 120) << QPoint(40, 20) << QPoint(40, 16) << QPoint(40, 14);
}

void TestClockHands::hands_at_time()
{
    QFETCH(QTime, time);
    QFETCH(QSize, dial);
    QFETCH(QPoint, hourTip);
    QFETCH(QPoint, minuteTip);
    QFETCH(QPoint, secondTip);

    const ClockHands hands = ClockGeometry::HandsAt(time, dial);
    const QPoint centre(dial.width() / 2, dial.height() / 2);
    QCOMPARE(hands.hour, QLine(centre, hourTip));
    QCOMPARE(hands.minute, QLine(centre, minuteTip));
    QCOMPARE(hands.second, QLine(centre, secondTip));
}

void TestClockHands::angles_round_halves_to_even_data()
{
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("hourAngle");
    QTest::addColumn<int>("minuteAngle");

    QTest::newRow("hour_half_degree_down_to_even") << 0 << 1 << 0 << 0 << 6;
    QTest::newRow("hour_one_and_a_half_up_to_even") << 0 << 3 << 0 << 2 << 18;
    QTest::newRow("afternoon_hour_past_360") << 15 << 30 << 0 << 465 << 180;
    QTest::newRow("hour_719_5_to_720") << 23 << 59 << 0 << 720 << 354;
    QTest::newRow("minute_half_degree_down_to_even") << 0 << 0 << 5 << 0 << 0;
    QTest::newRow("minute_one_and_a_half_up_to_even") << 0 << 0 << 15 << 0 << 2;
    QTest::newRow("minute_63_at_ten_thirty_seconds") << 10 << 10 << 30 << 305 << 63;
    QTest::newRow("minute_359_4_down") << 0 << 59 << 54 << 30 << 359;
}

void TestClockHands::angles_round_halves_to_even()
{
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(int, second);
    QFETCH(int, hourAngle);
    QFETCH(int, minuteAngle);

    QCOMPARE(ClockGeometry::HourAngle(hour, minute), hourAngle);
    QCOMPARE(ClockGeometry::MinuteAngle(minute, second), minuteAngle);
}

void TestClockHands::tiny_dial_keeps_hands_at_the_centre()
{
    const ClockHands hands = ClockGeometry::HandsAt(QTime(3, 0, 0), QSize(20, 20));
    QCOMPARE(hands.hour, QLine(10, 10, 10, 10));
    QCOMPARE(hands.second, QLine(10, 10, 10, 10));
}

QTEST_GUILESS_MAIN(TestClockHands)
#include "TestClockHands.moc"
