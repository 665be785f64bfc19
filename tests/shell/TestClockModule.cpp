#include "TestApp.h"
#include "shell/ClockHands.h"
#include "shell/ClockText.h"
#include "shell/frmHorloge.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QColor kDialColour(40, 48, 61);
const QColor kHandColour(222, 228, 236);
const QColor kSecondColour(248, 113, 113);

quint32 packed(const QColor& colour)
{
    return colour.red() + 256 * colour.green() + 65536 * colour.blue();
}

// A skin folder holding only a plain dial of the given size.
QString plainDialSkin(const QTemporaryDir& dir, const QSize& size)
{
    QImage dial(size, QImage::Format_RGB32);
    dial.fill(kDialColour);
    dial.save(dir.path() + QStringLiteral("/clock.bmp"));
    return dir.path() + QLatin1Char('/');
}

QString labelText(const QWidget& module, const char* name)
{
    return module.findChild<QLabel*>(QLatin1String(name))->text();
}

} // namespace

class TestClockModule : public QObject {
    Q_OBJECT
private slots:
    void date_text_in_the_given_locale_data();
    void date_text_in_the_given_locale();
    void time_text_is_24_hour_with_two_digits_data();
    void time_text_is_24_hour_with_two_digits();
    void draw_clock_writes_time_day_and_date();
    void hands_drawn_in_skin_colours_over_the_dial();
    void new_skin_dial_keeps_the_hands();
    void small_form_cuts_below_the_date();
};

void TestClockModule::date_text_in_the_given_locale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("expected");

    const QLocale french(QLocale::French, QLocale::France);
    QTest::newRow("french_monday_in_march")
        << french << QDate(2005, 3, 7) << QStringLiteral("lun. 7 mars 2005");
    QTest::newRow("french_abbreviated_september")
        << french << QDate(2005, 9, 28) << QStringLiteral("mer. 28 sept. 2005");
    QTest::newRow("english_first_of_june") << QLocale(QLocale::English, QLocale::UnitedStates)
                                           << QDate(2005, 6, 1) << QStringLiteral("Wed 1 Jun 2005");
}

void TestClockModule::date_text_in_the_given_locale()
{
    QFETCH(QLocale, locale);
    QFETCH(QDate, date);
    QFETCH(QString, expected);
    QCOMPARE(ClockText::DateText(date, locale), expected);
}

void TestClockModule::time_text_is_24_hour_with_two_digits_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("expected");
    QTest::newRow("midnight") << QTime(0, 0, 0) << QStringLiteral("00:00:00");
    QTest::newRow("afternoon_not_12_hour") << QTime(15, 4, 9) << QStringLiteral("15:04:09");
    QTest::newRow("last_second") << QTime(23, 59, 59) << QStringLiteral("23:59:59");
}

void TestClockModule::time_text_is_24_hour_with_two_digits()
{
    QFETCH(QTime, time);
    QFETCH(QString, expected);
    QCOMPARE(ClockText::TimeText(time), expected);
}

void TestClockModule::draw_clock_writes_time_day_and_date()
{
    TestApp app(false);
    app.fakes.clock.current = QDateTime(QDate(2005, 3, 7), QTime(15, 4, 9));
    frmHorloge clock(app.context);
    clock.DrawClock();

    QCOMPARE(labelText(clock, "labHHMMSS"), QStringLiteral("15:04:09"));
    QCOMPARE(labelText(clock, "labCalendar"), QStringLiteral("7"));
    QCOMPARE(
        labelText(clock, "labDate"), ClockText::DateText(QDate(2005, 3, 7), QLocale::system()));
    QCOMPARE(clock.hands(), ClockGeometry::HandsAt(QTime(15, 4, 9), QSize(100, 100)));
}

void TestClockModule::hands_drawn_in_skin_colours_over_the_dial()
{
    TestApp app(false);
    app.skin.colorTextDark = packed(kHandColour);
    app.skin.colorTextError = packed(kSecondColour);
    QTemporaryDir skinDir;
    SkinImages images(plainDialSkin(skinDir, QSize(100, 100)));
    frmHorloge clock(app.context);
    clock.applySkin(images);
    app.fakes.clock.current = QDateTime(QDate(2005, 3, 7), QTime(3, 0, 0));
    clock.DrawClock();

    const QImage face = clock.clockImage();
    QCOMPARE(face.size(), QSize(100, 100));
    QCOMPARE(face.pixelColor(65, 50), kHandColour); // hour hand towards 3
    QCOMPARE(face.pixelColor(50, 30), kSecondColour); // second hand over the minute hand
    QCOMPARE(face.pixelColor(20, 80), kDialColour);
    QCOMPARE(face.pixelColor(50, 10), kDialColour); // beyond the second hand's tip
    // The thin second hand leaves its neighbours to the dial, the wider hour hand does not.
    QCOMPARE(face.pixelColor(52, 30), kDialColour);
    QCOMPARE(face.pixelColor(65, 51), kHandColour);

    const QLabel* dial = clock.findChild<QLabel*>(QStringLiteral("pictHorloge"));
    QCOMPARE(dial->pixmap().toImage().convertToFormat(face.format()), face);
}

void TestClockModule::new_skin_dial_keeps_the_hands()
{
    TestApp app(false);
    app.skin.colorTextDark = packed(kHandColour);
    QTemporaryDir firstDir;
    QTemporaryDir secondDir;
    SkinImages first(plainDialSkin(firstDir, QSize(100, 100)));
    SkinImages second(plainDialSkin(secondDir, QSize(100, 100)));
    frmHorloge clock(app.context);
    clock.applySkin(first);
    app.fakes.clock.current = QDateTime(QDate(2005, 3, 7), QTime(3, 0, 0));
    clock.DrawClock();

    clock.applySkin(second);
    QCOMPARE(clock.clockImage().pixelColor(65, 50), kHandColour);
}

void TestClockModule::small_form_cuts_below_the_date()
{
    TestApp app(false);
    frmHorloge clock(app.context);
    const QWidget* date = clock.findChild<QLabel*>(QStringLiteral("labDate"));
    const QWidget* dial = clock.findChild<QLabel*>(QStringLiteral("pictHorloge"));
    clock.setSmall(true);
    QCOMPARE(clock.layoutHeight(), double(date->geometry().bottom() + 2));
    clock.setSmall(false);
    QCOMPARE(clock.layoutHeight(), double(dial->geometry().bottom() + 2));
}

QTEST_MAIN(TestClockModule)
#include "TestClockModule.moc"
