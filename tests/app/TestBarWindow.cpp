#include "ChildLimits.h"
#include "Controls.h"
#include "DataRow.h"
#include "TestApp.h"
#include "TestFiles.h"
#include "app/SlideSteps.h"
#include "app/frmTolvane.h"
#include "shell/BarModule.h"
#include "shell/SettingsKeys.h"

#include <QApplication>
#include <QLabel>
#include <QtTest>

class TestBarWindow : public QObject {
    Q_OBJECT

    static QWidget* child(frmTolvane& bar, const char* name)
    {
        return bar.findChild<QWidget*>(QLatin1String(name));
    }
    static QSize barSize(const SettingKey& key, const QString& value)
    {
        TestApp app;
        app.settings->save(key, value);
        frmTolvane bar(app.context);
        bar.InitBar();
        return bar.size();
    }

private slots:
    void empty_store_shows_the_default_modules_docked_right()
    {
        TestApp app;
        frmTolvane bar(app.context);
        bar.InitBar();
        QCOMPARE(bar.width(), 146);
        QCOMPARE(bar.x(), 1280 - 146);
        QCOMPARE(bar.y(), 0);
        QCOMPARE(bar.opacity(), 127);
        for (const char* shown : { "frmPhoto", "frmHorloge", "frmFavoris", "frmMeteo" })
            QVERIFY2(!child(bar, shown)->isHidden(), shown);
        for (const char* hidden : { "frmemail", "frmCPUUsage", "frmLAN", "frmPB" })
            QVERIFY2(child(bar, hidden)->isHidden(), hidden);

        const QWidget* photo = child(bar, "frmPhoto");
        QCOMPARE(photo->y(), child(bar, "labTitre")->geometry().bottom() + 1 + 2);
        const QWidget* weather = child(bar, "frmMeteo");
        const QWidget* bottom = child(bar, "pictBGBottom");
        QCOMPARE(bottom->y(), weather->y() + weather->height() + 2);
        QCOMPARE(bar.height(), bottom->y() + bottom->height() + 1);
        for (BarModule* module : bar.modules()) {
            if (!module->isHidden())
                QCOMPARE(module->backgroundImage()->height(), module->height());
        }
    }

    void transparency_sets_the_opacity_data()
    {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("transparency");
        QTest::addColumn<int>("opacity");
        dataRow("128 gives 127", "1", "128", 127);
        dataRow("switched off is fully opaque", "0", "128", 255);
        dataRow("0 leaves the window as it was", "1", "0", 200);
    }
    void transparency_sets_the_opacity()
    {
        QFETCH(QString, display);
        QFETCH(QString, transparency);
        QFETCH(int, opacity);
        TestApp app;
        app.settings->save(Keys::DisplayTransparency, display);
        app.settings->save(Keys::Transparency, transparency);
        frmTolvane bar(app.context);
        bar.MakeTransparent(true, 200);
        bar.InitBar();
        QCOMPARE(bar.opacity(), opacity);
    }

    void hiding_leaves_a_strip_and_a_background_click_brings_the_bar_back_data()
    {
        QTest::addColumn<QString>("position");
        QTest::addColumn<int>("hiddenX");
        QTest::addColumn<int>("shownX");
        // 100 twips are 6.67 pixels at 15 twips per pixel.
        dataRow("0 docks right", "0", 1280 - 7, 1280 - 146);
        dataRow("1 docks left", "1", 7 - 146, 0);
        dataRow("any other number docks left", "-1", 7 - 146, 0);
    }
    void hiding_leaves_a_strip_and_a_background_click_brings_the_bar_back()
    {
        QFETCH(QString, position);
        QFETCH(int, shownX);
        TestApp app;
        app.settings->save(Keys::Position, position);
        frmTolvane bar(app.context);
        bar.InitBar();

        auto* clockBackground = bar.findChild<QWidget*>(QStringLiteral("imgBgClock"));
        QTest::mouseClick(clockBackground, Qt::LeftButton);
        QVERIFY(!bar.isSliding()); // shown: a background click does nothing
        QCOMPARE(bar.x(), shownX);

        QTest::mouseClick(child(bar, "pictHide"), Qt::LeftButton);
        QVERIFY(bar.isSlidAway());
        QVERIFY(bar.isSliding());
        QTRY_VERIFY(!bar.isSliding());
        QTEST(bar.x(), "hiddenX");

        QTest::mouseClick(clockBackground, Qt::LeftButton);
        QVERIFY(!bar.isSlidAway());
        QTRY_VERIFY(!bar.isSliding());
        QCOMPARE(bar.x(), shownX);

        // A title button peeking out of the strip brings the bar back instead of acting.
        for (const char* button :
            { "pictCloseWindow", "pictPassword", "pictConfig", "pictAbout" }) {
            click(&bar, "pictHide");
            click(&bar, button);
            QVERIFY2(!bar.isSlidAway(), button);
        }
        QTRY_VERIFY(!bar.isSliding());
        QCOMPARE(bar.x(), shownX);
    }

    void slide_steps_grow_by_one_twip_and_stop_at_the_target_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QList<int>>("steps");
        QTest::newRow("right") << 0 << 12 << QList<int> { 1, 3, 6, 10, 12 };
        QTest::newRow("left") << 10 << 0 << QList<int> { 9, 7, 4, 0 };
        QTest::newRow("no move") << 5 << 5 << QList<int> {};
    }
    void slide_steps_grow_by_one_twip_and_stop_at_the_target()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QTEST(SlideSteps(from, to), "steps");
    }

    // The clock's title toggles its small form and saves it; as with the settings folder full,
    // the look changes all the same and the user learns it is not kept.
    void clock_separator_toggles_the_small_form_and_saves_it()
    {
        TestApp app;
        frmTolvane bar(app.context);
        bar.InitBar();
        QWidget* clock = child(bar, "frmHorloge");
        const int large = clock->height();
        const int barHeight = bar.height();
        const int unsaved = runWithFileSizeLimit(8, [&] {
            click(&bar, "pictHorlogeSeparator");
            const auto& messages = app.fakes.dialogs.messages;
            return clock->height() < large && messages.size() == 1
                && messages[0].icon == Dialogs::Icon::Critical
                && messages[0].text
                == QStringLiteral("Probl\u00e8me d'acc\u00e8s en \u00e9criture : ")
                    + app.settings->filePath(QStringLiteral("Tolvane"));
        });
        QCOMPARE(unsaved, 1);
        QCOMPARE(app.settings->value(Keys::DisplayClockSmall), QStringLiteral("0"));

        click(&bar, "pictHorlogeSeparator");
        QCOMPARE(clock->height(), child(bar, "labDate")->geometry().bottom() + 1 + 1);
        QCOMPARE(app.settings->value(Keys::DisplayClockSmall), QStringLiteral("1"));
        QCOMPARE(bar.height(), barHeight - (large - clock->height()));
        click(&bar, "pictHorlogeSeparator");
        QCOMPARE(clock->height(), large);
        QCOMPARE(app.settings->value(Keys::DisplayClockSmall), QStringLiteral("0"));
        QCOMPARE(bar.height(), barHeight);
    }

    // A skin colours the bar's own texts but not the style's controls, such as the network
    // tools button; a new skin keeps the pictures it lacks.
    void a_new_skin_recolours_the_bar_and_keeps_pictures_it_lacks()
    {
        TestApp app;
        app.settings->save(Keys::DisplayLAN, QStringLiteral("1"));
        frmTolvane bar(app.context);
        bar.InitBar();
        auto* title = bar.findChild<QLabel*>(QStringLiteral("pictHorlogeSeparator"));
        const qint64 before = title->pixmap().cacheKey();
        QVERIFY(!title->pixmap().isNull());

        writeBytes(
            app.appDir() + QStringLiteral("/skins/rouge/skin.ini"), "[colors]\nTextDark=255|0|0\n");
        app.settings->save(Keys::Skin, QStringLiteral("rouge"));
        bar.InitBar();
        QCOMPARE(title->pixmap().cacheKey(), before);
        QCOMPARE(child(bar, "labTitre")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(app.skin.colorBackGround, quint32(0)); // missing colour key turns black
        QVERIFY(bar.palette().color(QPalette::WindowText) != QColor(255, 0, 0));
        QCOMPARE(child(bar, "cmdPelnorix")->palette().color(QPalette::Active, QPalette::ButtonText),
            QApplication::palette().color(QPalette::Active, QPalette::ButtonText));
    }

    // The bar takes its place among the programs started with the session when told so.
    void autostart_follows_the_setting_data()
    {
        QTest::addColumn<QString>("stored"); // empty: never stored
        QTest::addColumn<bool>("enabled");
        dataRow("off by default", "", false);
        dataRow("on", "1", true);
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

    // Hand-edited numbers outside what the options dialog offers must not break the bar.
    void out_of_range_numbers_lay_out_like_the_nearest_allowed_one_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("nearest");
        dataRow("largest spacing", "SpaceBetweenModules", "2147483647", "99");
        dataRow("negative spacing", "SpaceBetweenModules", "-2147483648", "1");
        dataRow("favorites rows negative", "FavModuleNbElem", "-32768", "1");
        dataRow("favorites rows huge", "FavModuleNbElem", "32767", "30");
    }
    void out_of_range_numbers_lay_out_like_the_nearest_allowed_one()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(QString, nearest);
        const SettingKey* setting = SettingsKeys::find(key);
        const QSize size = barSize(*setting, stored);
        QCOMPARE(size, barSize(*setting, nearest));
        QCOMPARE(size.width(), 146);
        QVERIFY(size.height() > 100 && size.height() < 3000);
    }

    void timer_minutes_take_decimals_and_sorts_stay_in_range()
    {
        TestApp app(false);
        app.settings->save(Keys::TimerMeteo, QStringLiteral("2.5"));
        app.settings->save(Keys::TimerEmail, QStringLiteral("dix"));
        app.settings->save(Keys::FavWindowsSort, QStringLiteral("9"));
        app.settings->save(Keys::FavInternetSort, QStringLiteral("-1"));
        const BarSettings settings = BarSettings::read(*app.settings);
        QCOMPARE(settings.meteoPeriod, 150);
        QCOMPARE(settings.mailPeriod, 0);
        QCOMPARE(settings.favWindowsSort, 2);
        QCOMPARE(settings.favInternetSort, 0);
    }

    // Neither a missing skin folder nor an order naming some modules only stops the bar; the
    // modules left out keep their visibility.
    void missing_skin_and_modules_left_out_of_the_order()
    {
        TestApp app(false);
        app.settings->save(Keys::Skin, QStringLiteral("absent"));
        app.settings->save(Keys::SortModules, QStringLiteral("Horloge;"));
        app.settings->save(Keys::DisplayPhoto, QStringLiteral("0"));
        frmTolvane bar(app.context);
        bar.Start();
        QVERIFY(!child(bar, "frmHorloge")->isHidden());
        QVERIFY(child(bar, "frmPhoto")->isHidden()); // never shown: hidden at creation
        QVERIFY(child(bar, "frmFavoris")->isHidden());
        QCOMPARE(bar.x(), 1280 - 146);
    }
};

QTEST_MAIN(TestBarWindow)
#include "TestBarWindow.moc"
