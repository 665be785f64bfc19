#include "TestApp.h"
#include "shell/ClockFace.h"
#include "shell/ClockHands.h"
#include "shell/ClockText.h"
#include "shell/DigitLabel.h"
#include "shell/SecondTimer.h"
#include "shell/SkinWidgets.h"
#include "shell/frmHorloge.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QColor kDial(40, 48, 61);
const quint32 kHandSkin = 0xECE4DE; // 222|228|236 as a skin stores it
const quint32 kSecondSkin = 0x7171F8;
const QColor kHand = SkinState::toColor(kHandSkin);
const QColor kSecond = SkinState::toColor(kSecondSkin);

// A skin folder with nothing but an opaque dial of one colour.
struct PlainDialSkin : QTemporaryDir {
    PlainDialSkin()
    {
        QImage plainDial(100, 100, QImage::Format_RGB32);
        plainDial.fill(kDial);
        plainDial.save(filePath(QStringLiteral("clock.bmp")));
    }
    void applyTo(frmHorloge& clock) const
    {
        SkinImages images(path() + QLatin1Char('/'));
        clock.applySkin(images);
    }
};

// What the dial widget shows on screen, in the format of picture.
QImage shown(const QWidget& clock, const QImage& picture)
{
    auto* dial = clock.findChild<QWidget*>(QStringLiteral("pictHorloge"));
    return dial->grab().toImage().convertToFormat(picture.format());
}

} // namespace

class TestClockModule : public QObject {
    Q_OBJECT
private slots:
    void hands_at_time_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QSize>("dial");
        QTest::addColumn<QList<QPoint>>("tips"); // hour, minute, second
        const auto row = [](const char* name, QTime time, QSize dial, QList<QPoint> tips) {
            QTest::newRow(name) << time << dial << tips;
        };
        const QSize sq(100, 100);
        row("00:00:00_straight_up", QTime(0, 0), sq, { { 50, 20 }, { 50, 16 }, { 50, 14 } });
        row("15:30:00_hour_at_465", QTime(15, 30), sq, { { 78, 57 }, { 50, 84 }, { 50, 14 } });
        row("10:10:30", QTime(10, 10, 30), sq, { { 25, 32 }, { 80, 34 }, { 50, 86 } });
        row("23:59_hour_rounds_to_720", QTime(23, 59), sq, { { 50, 20 }, { 46, 16 }, { 50, 14 } });
        // sin(-30 degrees) * 30 is -15: floating noise must not floor the tip a pixel further.
        row("02:00_exact_offset_kept", QTime(2, 0), sq, { { 75, 35 }, { 50, 16 }, { 50, 14 } });
        row("11:00_exact_offset_kept", QTime(11, 0), sq, { { 35, 24 }, { 50, 16 }, { 50, 14 } });
        row("wide_dial_lengths_from_half_height", QTime(3, 0), QSize(160, 100),
            { { 110, 50 }, { 80, 16 }, { 80, 14 } });
        row("tiny_dial_hands_not_backwards", QTime(3, 0), QSize(20, 20),
            { { 10, 10 }, { 10, 10 }, { 10, 10 } });
    }
    void hands_at_time()
    {
        QFETCH(QTime, time);
        QFETCH(QSize, dial);
        QFETCH(QList<QPoint>, tips);
        const QPoint centre(dial.width() / 2, dial.height() / 2);
        const ClockHands expected { { centre, tips[0] }, { centre, tips[1] }, { centre, tips[2] } };
        QCOMPARE(ClockGeometry::HandsAt(time, dial), expected);
    }

    void angles_round_halves_to_even()
    {
        QCOMPARE(ClockGeometry::HourAngle(0, 1), 0); // 0.5
        QCOMPARE(ClockGeometry::HourAngle(0, 3), 2); // 1.5
        QCOMPARE(ClockGeometry::MinuteAngle(0, 5), 0); // 0.5
        QCOMPARE(ClockGeometry::MinuteAngle(0, 15), 2); // 1.5
    }

    void long_french_date_fits_beside_the_calendar()
    {
        TestApp app(false);
        app.context.locale = QLocale(QLocale::French, QLocale::France);
        frmHorloge clock(app.context);
        app.fakes.clock.current = QDateTime(QDate(2024, 3, 16), QTime(12, 0));
        clock.DrawClock();
        const QLabel* date = clock.findChild<QLabel*>(QStringLiteral("labDate"));
        QCOMPARE(date->text(), QStringLiteral("sam. 16 mars 2024"));
        QVERIFY(date->fontMetrics().horizontalAdvance(date->text()) <= date->width());
    }

    void hands_drawn_in_skin_colours_and_kept_on_a_new_dial()
    {
        TestApp app(false);
        app.skin.colorTextDark = kHandSkin;
        app.skin.colorTextError = kSecondSkin;
        const PlainDialSkin skinDir;
        frmHorloge clock(app.context);
        skinDir.applyTo(clock);
        app.fakes.clock.current = QDateTime(QDate(2005, 3, 7), QTime(3, 0, 0));
        clock.DrawClock();

        const QImage face = clock.clockImage();
        QCOMPARE(face.pixelColor(65, 50), kHand); // hour hand towards 3
        QCOMPARE(face.pixelColor(65, 51), kHand); // ... wider than one pixel
        QCOMPARE(face.pixelColor(50, 30), kSecond); // second hand over the minute hand
        QCOMPARE(face.pixelColor(52, 30), kDial); // ... one pixel wide
        QCOMPARE(face.pixelColor(50, 10), kDial); // beyond the tips
        skinDir.applyTo(clock);
        QCOMPARE(clock.clockImage().pixelColor(65, 50), kHand);
    }

    // The clock keeps the dial with its slow hands between ticks; whatever it kept, each tick
    // shows what a clock started at that moment shows.
    void each_tick_matches_a_fresh_clock()
    {
        TestApp app(false);
        app.skin.colorTextDark = kHandSkin;
        app.skin.colorTextError = kSecondSkin;
        const PlainDialSkin skinDir;
        frmHorloge clock(app.context);
        skinDir.applyTo(clock);
        const QDateTime start(QDate(2024, 3, 16), QTime(23, 59, 50));
        for (int seconds : { 0, 1, 9, 10, 11, 70, 3600, 86400 }) {
            app.fakes.clock.current = start.addSecs(seconds);
            if (seconds == 1)
                app.skin.colorTextDark = 0x102030; // a new skin between two ticks
            clock.DrawClock();
            frmHorloge fresh(app.context);
            skinDir.applyTo(fresh);
            fresh.DrawClock();
            QCOMPARE(shown(clock, fresh.clockImage()), fresh.clockImage());
            for (const char* name : { "labHHMMSS", "labDate", "labCalendar" })
                QCOMPARE(clock.findChild<QWidget*>(name)->property("text"),
                    fresh.findChild<QWidget*>(name)->property("text"));
        }
    }

    // A tick repaints only the second hand's old and new areas: every pixel that changes must
    // lie in them, at the screen's density too.
    void second_hand_areas_hold_every_changed_pixel_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("one pixel a unit") << 1.0;
        QTest::newRow("two pixels a unit") << 2.0;
    }
    void second_hand_areas_hold_every_changed_pixel()
    {
        QFETCH(qreal, ratio);
        QPixmap dial(100, 100);
        dial.fill(kDial);
        const ClockFace::HandColours colours { kHand, kSecond };
        const QTime start(10, 9, 0);
        for (int second = 0; second < 60; ++second) {
            const ClockHands before = ClockGeometry::HandsAt(start.addSecs(second), dial.size());
            const ClockHands after = ClockGeometry::HandsAt(start.addSecs(second + 1), dial.size());
            if (before.hour != after.hour || before.minute != after.minute)
                continue; // the whole dial is painted again
            const QImage old = ClockFace::Paint(dial, dial.size(), before, colours, ratio);
            const QImage now = ClockFace::Paint(dial, dial.size(), after, colours, ratio);
            const QRegion repainted
                = ClockFace::SecondHandArea(before) | ClockFace::SecondHandArea(after);
            for (int y = 0; y < now.height(); ++y)
                for (int x = 0; x < now.width(); ++x)
                    if (old.pixel(x, y) != now.pixel(x, y))
                        QVERIFY2(repainted.contains(QPoint(int(x / ratio), int(y / ratio))),
                            qPrintable(QStringLiteral("second %1, pixel %2,%3")
                                           .arg(second)
                                           .arg(x)
                                           .arg(y)));
        }
    }

    // A new time repaints only the glyphs that changed: every pixel that differs between two
    // times lies in the area the label repaints, whatever digits roll over.
    void time_label_repaints_every_changed_pixel()
    {
        TestApp app(false);
        frmHorloge clock(app.context);
        auto* label = clock.findChild<DigitLabel*>(QStringLiteral("labHHMMSS"));
        setBackgroundColour(label, kDial);
        const auto shown = [label](const QString& text) {
            label->setText(text);
            return label->grab().toImage();
        };
        const QTime start(9, 58, 55);
        for (int second = 0; second < 70; ++second) {
            const QString from = ClockText::TimeText(start.addSecs(second));
            const QString to = ClockText::TimeText(start.addSecs(second + 1));
            const QImage old = shown(from);
            const QImage now = shown(to);
            const QRect repainted = label->changeBetween(from, to);
            if (from.chopped(1) == to.chopped(1))
                QVERIFY(repainted.width() < label->width() / 4);
            for (int y = 0; y < now.height(); ++y)
                for (int x = 0; x < now.width(); ++x)
                    if (old.pixel(x, y) != now.pixel(x, y))
                        QVERIFY2(repainted.contains(x, y),
                            qPrintable(QStringLiteral("%1 to %2, pixel %3,%4")
                                           .arg(from, to)
                                           .arg(x)
                                           .arg(y)));
        }
    }

    void next_tick_just_after_the_wall_clock_second_data()
    {
        QTest::addColumn<qint64>("now");
        QTest::addColumn<int>("wait");
        QTest::newRow("on the second") << qint64(1000) << 1004;
        QTest::newRow("mid-second") << qint64(1500) << 504;
        QTest::newRow("just before") << qint64(1999) << 5;
    }
    void next_tick_just_after_the_wall_clock_second()
    {
        QFETCH(qint64, now);
        QTEST(SecondTimer::msecsToNextTick(now), "wait");
    }

    // Every active one-second timer times out in the same wake-up: nothing else runs between
    // them; a stopped one stays quiet.
    void second_timers_time_out_together()
    {
        SecondTimer first;
        SecondTimer second;
        SecondTimer stopped;
        bool loopRanBetween = false;
        connect(&first, &SecondTimer::timeout, this,
            [&] { QTimer::singleShot(0, this, [&] { loopRanBetween = true; }); });
        bool secondSawTheLoop = true;
        connect(&second, &SecondTimer::timeout, this, [&] { secondSawTheLoop = loopRanBetween; });
        QSignalSpy quiet(&stopped, &SecondTimer::timeout);
        first.start();
        second.start();
        stopped.start();
        stopped.stop();
        QSignalSpy ticks(&second, &SecondTimer::timeout);
        QVERIFY(ticks.wait(2500));
        QVERIFY(!secondSawTheLoop);
        QCOMPARE(quiet.count(), 0);
    }
};

QTEST_MAIN(TestClockModule)
#include "TestClockModule.moc"
