#include "JourneyBar.h"
#include "favorites/frmFavoris.h"

#include <QComboBox>
#include <QPointer>
#include <QSlider>
#include <QtTest>

// The options dialog opened from the running bar, saved, and what the files and the bar show.
class TestOptionsJourney : public QObject {
    Q_OBJECT

private slots:
    void one_dialog_at_a_time_and_a_saved_order_rebuilds_the_bar()
    {
        JourneyBar journey;
        journey.settings->save(Keys::SortModules, QStringLiteral("Photo;Horloge;Favoris"));
        frmTolvane& bar = journey.start();
        auto* favoris = control<frmFavoris>(&bar, "frmFavoris");
        QPointer<frmOptions> first = journey.openOptions();
        QVERIFY(first && bar.optionsOpen() && favoris->logic().optionsOpen());
        click(&bar, "pictConfig");
        QCOMPARE(bar.options(), first.data());
        // Closed by the window frame: a cancel, the slider's preview undone, nothing written.
        const int opacity = bar.opacity();
        control<QSlider>(first, "sliderTransparence")->setValue(10);
        QVERIFY(bar.opacity() != opacity);
        first->close();
        QVERIFY(!bar.optionsOpen() && !favoris->logic().optionsOpen());
        QTRY_VERIFY(!first);
        QCOMPARE(bar.opacity(), opacity);
        QCOMPARE(journey.settings->value(Keys::Transparency, QStringLiteral("<none>")),
            QStringLiteral("<none>"));

        const QWidget* photo = control(&bar, "frmPhoto");
        const QWidget* clock = control(&bar, "frmHorloge");
        QVERIFY(photo->y() < clock->y());
        frmOptions* options = journey.openOptions();
        QVERIFY(options);
        click(options, "cmdOrderAffichage");
        JourneyBar::clickRow(control<QTreeWidget>(options, "lvSortModules"), 1);
        click(options, "cmdOrderModUp");
        click(options, "cmdSave");

        QTRY_VERIFY(!JourneyBar::window("frmOptions"));
        QVERIFY(!bar.optionsOpen() && !favoris->logic().optionsOpen());
        QVERIFY(clock->y() < photo->y());
    }

    void a_skin_of_the_user_is_offered_and_applied()
    {
        JourneyBar journey;
        const QString own = journey.paths.dataDir + QStringLiteral("/skins/Maison/");
        writeBytes(own + QStringLiteral("skin.ini"), "[colors]\nTextDark=255|0|0\n");
        journey.start();
        frmOptions* options = journey.openOptions();
        QVERIFY(options);
        click(options, "cmdAffichage");
        auto* themes = control<QComboBox>(options, "cmbTheme");
        QVERIFY(themes->findText(QStringLiteral("default")) >= 0);
        const int row = themes->findText(QStringLiteral("Maison"));
        QVERIFY(row >= 0);
        themes->setCurrentIndex(row);
        emit themes->textActivated(themes->currentText());
        click(options, "cmdSave");

        QTRY_VERIFY(!JourneyBar::window("frmOptions"));
        QCOMPARE(journey.settings->value(Keys::Skin), QStringLiteral("Maison"));
        QCOMPARE(journey.skin.folder, own);
        QCOMPARE(journey.skin.textDark(), QColor(255, 0, 0));
    }

    // Whichever file fails, the bar applies what could be written, so that what it shows is
    // what is stored, and the dialog stays open.
    void a_failed_write_at_save_is_told_and_keeps_the_dialog_data()
    {
        QTest::addColumn<bool>("settingsFile"); // else the accounts file
        QTest::newRow("accounts file") << false;
        QTest::newRow("settings file") << true;
    }
    void a_failed_write_at_save_is_told_and_keeps_the_dialog()
    {
        QFETCH(bool, settingsFile);
        JourneyBar journey;
        const QString file = settingsFile ? journey.settings->filePath("Tolvane")
                                          : journey.dataFile("tolvane_EmailAccounts.dat");
        frmTolvane& bar = journey.start();
        QVERIFY(bar.x() > 0); // docked right
        // A folder where the file goes makes its rename fail.
        QFile::remove(file);
        QVERIFY(QDir().mkpath(file));
        frmOptions* options = journey.openOptions();
        QVERIFY(options);
        click(options, "cmdAffichage");
        control<QComboBox>(options, "cmbPosition")->setCurrentIndex(1);
        click(options, "cmdSave");

        QCOMPARE(journey.dialogs.messages.size(), 1);
        QCOMPARE(journey.dialogs.messages[0].text,
            QStringLiteral("Probl\u00e8me d'acc\u00e8s en \u00e9criture : ") + file);
        QVERIFY(options->isVisible());
        const bool leftStored = journey.settings->value(Keys::Position) == QStringLiteral("1");
        QCOMPARE(leftStored, !settingsFile);
        QCOMPARE(bar.x() == 0, leftStored);
        click(options, "cmdQuit");
        QTRY_VERIFY(!JourneyBar::window("frmOptions"));
        QCOMPARE(bar.x() == 0, leftStored);
        QCOMPARE(bar.settings().dockLeft, leftStored);
    }
};

QTEST_MAIN(TestOptionsJourney)
#include "TestOptionsJourney.moc"
