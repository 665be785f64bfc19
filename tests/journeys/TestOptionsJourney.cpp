#include "JourneyBar.h"
#include "options/frmOptions.h"

#include <QComboBox>
#include <QtTest>

// The options dialog opened from the running bar, saved, and what the files and the bar show.
class TestOptionsJourney : public QObject {
    Q_OBJECT

    static frmOptions* openOptions(frmTolvane& bar)
    {
        click(&bar, "pictConfig");
        return JourneyBar::window<frmOptions>("frmOptions");
    }

private slots:
    void an_account_added_in_the_dialog_reaches_the_accounts_file()
    {
        JourneyBar journey;
        frmOptions* options = openOptions(journey.start());
        QVERIFY(options);
        click(options, "cmdEmails");
        click(options, "cmdAdd");
        type(options, "txtEmailName", "Maison");
        type(options, "txtEmail", "ana@exemple.fr");
        type(options, "txtAccount", "ana");
        type(options, "txtPwd", "s3cret");
        type(options, "txtPOP", "127.0.0.1");
        type(options, "txtPort", "1110");
        click(options, "cmdOK");
        click(options, "cmdSave");

        QTRY_VERIFY(!JourneyBar::window("frmOptions"));
        const QList<QStringList> accounts = journey.accounts();
        QCOMPARE(accounts.size(), 1);
        QCOMPARE(accounts[0].mid(0, 6),
            QStringList({ "Maison", "ana@exemple.fr", "ana", "s3cret", "127.0.0.1", "1110" }));
        QVERIFY(journey.dialogs.messages.isEmpty());
    }

    void a_skin_of_the_user_is_offered_and_applied()
    {
        JourneyBar journey;
        const QString own = journey.paths.dataDir + QStringLiteral("/skins/Maison/");
        QVERIFY(QDir().mkpath(own));
        QFile ini(own + QStringLiteral("skin.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly) && ini.write("[colors]\nTextDark=255|0|0\n") > 0);
        ini.close();
        frmOptions* options = openOptions(journey.start());
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

    // The settings are written before the accounts file fails: the bar applies them anyway, so
    // that what it shows is what is stored, and the dialog stays open.
    void a_failed_write_at_save_still_applies_what_was_written()
    {
        JourneyBar journey;
        // A folder where the accounts file goes makes its rename fail.
        QVERIFY(QDir().mkpath(journey.dataFile("tolvane_EmailAccounts.dat")));
        frmTolvane& bar = journey.start();
        QVERIFY(bar.x() > 0); // docked right
        frmOptions* options = openOptions(bar);
        QVERIFY(options);
        click(options, "cmdAffichage");
        control<QComboBox>(options, "cmbPosition")->setCurrentIndex(1);
        click(options, "cmdSave");

        QCOMPARE(journey.dialogs.messages.size(), 1);
        QCOMPARE(journey.dialogs.messages[0].text,
            QStringLiteral("Probl\u00e8me d'acc\u00e8s en \u00e9criture : ")
                + journey.dataFile("tolvane_EmailAccounts.dat"));
        QVERIFY(options->isVisible());
        QCOMPARE(journey.settings->value(Keys::Position), QStringLiteral("1"));
        QCOMPARE(bar.x(), 0);
        click(options, "cmdQuit");
        QTRY_VERIFY(!JourneyBar::window("frmOptions"));
        QCOMPARE(bar.x(), 0);
        QVERIFY(bar.settings().dockLeft);
    }
};

QTEST_MAIN(TestOptionsJourney)
#include "TestOptionsJourney.moc"
