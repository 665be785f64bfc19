#include "Controls.h"
#include "TestApp.h"
#include "TestFiles.h"
#include "app/BarTimers.h"
#include "app/ClosedWindowRelease.h"
#include "app/frmTolvane.h"
#include "favorites/frmFavoris.h"
#include "notes/NoteWindows.h"
#include "notes/modPenseBete.h"
#include "options/frmOptions.h"
#include "shell/ClockHands.h"
#include "shell/SettingsKeys.h"
#include "shell/frmAbout.h"
#include "shell/frmHorloge.h"
#include "shell/frmSplashScreen.h"
#include "vault/frmGetPassword.h"
#include "vault/frmPasswords.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>
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

    void about_button_opens_one_box_unloaded_when_closed()
    {
        TestApp app;
        app.settings->save(Keys::SplashScreen, QStringLiteral("0"));
        frmTolvane bar(app.context);
        bar.Start();

        click(&bar, "pictAbout");
        click(&bar, "pictAbout");
        QCOMPARE(bar.findChildren<frmAbout*>().size(), 1);
        QPointer<frmAbout> about = bar.findChild<frmAbout*>();
        QVERIFY(about->isVisible());

        click(about, "cmdOK");
        QTRY_VERIFY(about.isNull());
        click(&bar, "pictAbout");
        QCOMPARE(bar.findChildren<frmAbout*>().size(), 1);
    }

    void closed_windows_are_deleted_and_their_memory_handed_back_after()
    {
        TestApp app;
        app.settings->save(Keys::SplashScreen, QStringLiteral("0"));
        frmTolvane bar(app.context);
        bar.Start();
        const ClosedWindowRelease* release = bar.findChild<ClosedWindowRelease*>();
        QVERIFY(!release->isWaiting());

        click(&bar, "pictConfig");
        click(&bar, "pictPassword");
        QPointer<QWidget> options = bar.options();
        QPointer<QWidget> dialog = bar.findChild<frmGetPassword*>();
        QVERIFY(options && dialog);
        click(options, "cmdQuit");
        click(dialog, "cmdCancel");
        QTRY_VERIFY(options.isNull() && dialog.isNull());
        QVERIFY(release->isWaiting());
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
    }

    void vault_button_opens_one_password_dialog_then_the_vault()
    {
        TestApp app;
        app.settings->save(Keys::SplashScreen, QStringLiteral("0"));
        frmTolvane bar(app.context);
        bar.Start();
        bar.hideBar();
        click(&bar, "pictPassword"); // on the hidden bar's strip: only brings the bar back
        QVERIFY(!bar.findChild<frmGetPassword*>());

        bar.showBarAgain();
        click(&bar, "pictPassword");
        click(&bar, "pictPassword");
        QCOMPARE(bar.findChildren<frmGetPassword*>().size(), 1);
        frmGetPassword* dialog = bar.findChild<frmGetPassword*>();
        QVERIFY(dialog->isVisible());
        for (const char* box : { "txtNewPassword", "txtConfirmNewPassword" })
            dialog->findChild<QLineEdit*>(QLatin1String(box))->setText(QStringLiteral("abc"));
        click(dialog, "cmdValide");
        QTRY_VERIFY_WITH_TIMEOUT(bar.findChild<frmPasswords*>(), 20000); // after the key derivation
        QPointer<frmPasswords> vault = bar.findChild<frmPasswords*>();
        QVERIFY(vault->isVisible());
        click(&bar, "pictPassword"); // the open vault comes forward, no new dialog
        QTRY_VERIFY(!bar.findChild<frmGetPassword*>());
        QCOMPARE(bar.findChildren<frmPasswords*>().size(), 1);
    }

    // The bar reads both favorites files whenever it is set up; its tab buttons choose the list.
    void bar_loads_the_lists_at_each_init_and_the_tabs_choose_one()
    {
        TestApp app;
        writeBytes(app.dataDir() + "/tolvane_FavWindows.dat", "/tmp;Temporaire\r\n");
        writeBytes(
            app.dataDir() + "/tolvane_FavInternet.dat", "http://a.fr;A\r\nhttp://b.fr;B\r\n");
        frmTolvane bar(app.context);
        bar.InitBar();
        auto* windows = bar.findChild<QTreeWidget*>("lvWindows");
        auto* internet = bar.findChild<QTreeWidget*>("lvInternet");
        QCOMPARE(windows->topLevelItemCount(), 1);
        QCOMPARE(internet->topLevelItemCount(), 2);
        QVERIFY(!windows->isHidden());
        QVERIFY(internet->isHidden());

        writeBytes(app.dataDir() + "/tolvane_FavWindows.dat", "/tmp;Temporaire\r\n/usr;Usr\r\n");
        bar.InitBar();
        QCOMPARE(windows->topLevelItemCount(), 2);

        QTest::mouseClick(bar.findChild<QWidget*>("pictFavInternet"), Qt::LeftButton);
        QVERIFY(windows->isHidden());
        QVERIFY(!internet->isHidden());
        QVERIFY(!bar.findChild<QWidget*>("txtURL")->isHidden());
    }

    void start_up_loads_the_notes_and_the_pictures_add_and_list()
    {
        TestApp app;
        app.settings->save(Keys::DisplayPenseBete, QStringLiteral("1"));
        app.settings->save(Keys::SplashScreen, QStringLiteral("0"));
        writeBytes(app.dataDir() + QStringLiteral("/tolvane_pensebete.dat"),
            "0;0;20050307;1010;20050307101000.fic;1500;3000\r\n");
        frmTolvane bar(app.context);
        bar.Start();
        auto* caption = bar.findChild<QLabel*>(QStringLiteral("labPB"));
        QCOMPARE(caption->text(), QStringLiteral("1 Pense-b\u00eate(s), 1 masqu\u00e9(s)"));
        QCOMPARE(bar.noteWindows().windows().size(), 1);

        QTest::mouseClick(bar.findChild<QWidget*>(QStringLiteral("pictAddNewPB")), Qt::LeftButton);
        QCOMPARE(caption->text(), QStringLiteral("2 Pense-b\u00eate(s), 1 masqu\u00e9(s)"));
        QVERIFY(bar.noteWindows().window(2)->isVisible());

        QTest::mouseClick(bar.findChild<QWidget*>(QStringLiteral("pictGestionPB")), Qt::LeftButton);
        QVERIFY(bar.noteWindows().notesList()->isVisible());
        QTest::mouseClick(bar.findChild<QWidget*>(QStringLiteral("pictAddNewPB")), Qt::LeftButton);
        QCOMPARE(app.fakes.dialogs.messages.size(), 1);
        QCOMPARE(bar.notesStore().lastIndex(), 2);
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

    void reminders_fire_with_the_clock_module_off()
    {
        TestApp app;
        app.settings->save(Keys::DisplayClock, QStringLiteral("0"));
        app.settings->save(Keys::SplashScreen, QStringLiteral("0"));
        writeBytes(app.dataDir() + QStringLiteral("/tolvane_pensebete.dat"),
            "1;2;20050307;1010;20050307101000.fic;1500;3000\r\n");
        frmTolvane bar(app.context);
        bar.Start();
        QTRY_VERIFY_WITH_TIMEOUT(bar.notesStore().entry(1).startsWith(QStringLiteral("2;")), 3000);
        QCOMPARE(app.fakes.sound.played,
            QStringList({ app.appDir() + QStringLiteral("/sounds/clickerx.wav") }));
    }
};

QTEST_MAIN(TestModulesFromBar)
#include "TestModulesFromBar.moc"
