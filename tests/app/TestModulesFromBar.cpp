#include "Controls.h"
#include "TestApp.h"
#include "app/BarTimers.h"
#include "app/ClosedWindowRelease.h"
#include "app/frmTolvane.h"
#include "options/frmOptions.h"
#include "shell/ClockHands.h"
#include "shell/SettingsKeys.h"
#include "shell/SplashPreference.h"
#include "shell/frmAbout.h"
#include "shell/frmHorloge.h"
#include "shell/frmSplashScreen.h"
#include "vault/frmGetPassword.h"

#include <QLabel>
#include <QPointer>
#include <QtTest>

namespace {

QString text(const QWidget* window, const char* label)
{
    return window->findChild<QWidget*>(QLatin1String(label))->property("text").toString();
}

} // namespace

// What the bar's own pictures and timers do with the modules and windows they open.
class TestModulesFromBar : public QObject {
    Q_OBJECT
private slots:
    void clock_drawn_at_start_still_while_hidden_and_catches_up_after()
    {
        TestApp app;
        app.fakes.clock.current = QDateTime(QDate(2005, 3, 7), QTime(10, 10, 30));
        app.context.locale = QLocale(QLocale::French, QLocale::France);
        frmTolvane bar(app.context);
        bar.InitBar();
        const frmHorloge* clock = bar.findChild<frmHorloge*>();
        const ClockHands atStart = clock->hands();
        QCOMPARE(text(&bar, "labHHMMSS"), QStringLiteral("10:10:30"));
        QCOMPARE(text(&bar, "labDate"), QStringLiteral("lun. 7 mars 2005"));

        bar.hideBar();
        app.fakes.clock.current = QDateTime(QDate(2005, 3, 8), QTime(15, 4, 9));
        bar.timers().onClockTick();
        QCOMPARE(text(&bar, "labHHMMSS"), QStringLiteral("10:10:30"));
        QCOMPARE(clock->hands(), atStart);

        bar.showBarAgain();
        QCOMPARE(text(&bar, "labHHMMSS"), QStringLiteral("10:10:30")); // only a tick redraws
        bar.timers().onClockTick();
        QCOMPARE(text(&bar, "labHHMMSS"), QStringLiteral("15:04:09")); // 24-hour
        QCOMPARE(text(&bar, "labCalendar"), QStringLiteral("8"));
        QCOMPARE(text(&bar, "labDate"), QStringLiteral("mar. 8 mars 2005"));
        QVERIFY(!(clock->hands() == atStart));

        bar.hideBar(); // the settings applied again while slid away dock the bar on screen
        bar.InitBar();
        QVERIFY(!bar.isSlidAway());
    }

    // The about box, the options and the password dialog open once each however often their
    // picture is clicked; closed, they are deleted and the memory they used is handed back after.
    void bar_pictures_open_one_window_each_deleted_when_closed()
    {
        TestApp app;
        app.settings->save(Keys::SplashScreen, QStringLiteral("0"));
        frmTolvane bar(app.context);
        bar.Start();
        const ClosedWindowRelease* release = bar.findChild<ClosedWindowRelease*>();
        QVERIFY(!release->isWaiting());

        for (const char* picture : { "pictAbout", "pictAbout", "pictConfig", "pictPassword" })
            click(&bar, picture);
        QCOMPARE(bar.findChildren<frmAbout*>().size(), 1);
        QPointer<QWidget> about = bar.findChild<frmAbout*>();
        QPointer<QWidget> options = bar.options();
        QPointer<QWidget> dialog = bar.findChild<frmGetPassword*>();
        QVERIFY(about && about->isVisible() && options && dialog);
        click(about, "cmdOK");
        click(options, "cmdQuit");
        click(dialog, "cmdCancel");
        QTRY_VERIFY(about.isNull() && options.isNull() && dialog.isNull());
        QVERIFY(release->isWaiting());
        click(&bar, "pictAbout");
        QCOMPARE(bar.findChildren<frmAbout*>().size(), 1);
    }

    void welcome_window_ticked_writes_at_once_and_stays_away()
    {
        TestApp app;
        const auto stored = [&app] { // as the next start reads it
            return SettingsStore(app.configDir()).value(Keys::SplashScreen);
        };
        {
            frmTolvane bar(app.context);
            bar.Start();
            QPointer<frmSplashScreen> splash = bar.findChild<frmSplashScreen*>();
            QVERIFY(splash && splash->isVisible());
            click(splash, "chkDoNotDisplay");
            QCOMPARE(stored(), QStringLiteral("0"));
            click(splash, "chkDoNotDisplay");
            QCOMPARE(stored(), QStringLiteral("1"));
            click(splash, "chkDoNotDisplay");
            click(splash, "cmdFerme");
            QTRY_VERIFY(splash.isNull());
        }
        frmTolvane nextStart(app.context);
        nextStart.Start();
        QVERIFY(!nextStart.findChild<frmSplashScreen*>());
        app.settings->save(Keys::SplashScreen, QStringLiteral("2")); // only 1 shows it
        QVERIFY(!SplashPreference::ShowAtStartUp(*app.settings));
    }

    // A module hidden at start-up gets its skin and first texts once the settings show it.
    void a_module_shown_later_is_dressed_then()
    {
        TestApp app;
        app.settings->save(Keys::DisplayMeteo, QStringLiteral("0"));
        app.settings->save(Keys::SplashScreen, QStringLiteral("0"));
        frmTolvane bar(app.context);
        bar.Start();
        const auto* title = bar.findChild<QLabel*>(QStringLiteral("pictMeteoSeparator"));
        QVERIFY(!title->isVisibleTo(&bar));

        app.settings->save(Keys::DisplayMeteo, QStringLiteral("1"));
        bar.InitBar();
        QVERIFY(title->isVisibleTo(&bar));
        QVERIFY(!title->pixmap().isNull());
        QVERIFY(!bar.findChild<QLabel*>(QStringLiteral("pictMeteo"))->pixmap().isNull());
        QCOMPARE(text(&bar, "labTemperature"), QStringLiteral("NC"));
    }
};

QTEST_MAIN(TestModulesFromBar)
#include "TestModulesFromBar.moc"
