#include "JourneyBar.h"
#include "favorites/frmFavoris.h"
#include "mail/frmemail.h"
#include "options/frmOptions.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QPointer>
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
        frmTolvane& bar = journey.start();
        frmOptions* options = openOptions(bar);
        QVERIFY(options);
        QVERIFY(control(options, "frmModules")->isVisible());
        click(options, "cmdEmails");
        QVERIFY(control(options, "frmEmails")->isVisible());
        QVERIFY(!control(options, "frmModules")->isVisible());
        // While an account is edited the rest of the window waits, "Sauver" too.
        click(options, "cmdAdd");
        for (const char* name :
            { "cmdAdd", "cmdMod", "cmdDel", "cmdModules", "cmdSave", "cmdQuit" })
            QVERIFY2(!control(options, name)->isEnabled(), name);
        QCOMPARE(control<QLineEdit>(options, "txtPort")->text(), QStringLiteral("110"));
        QCOMPARE(control<QLineEdit>(options, "txtPwd")->echoMode(), QLineEdit::Password);
        type(options, "txtEmailName", "Maison");
        type(options, "txtEmail", "ana@exemple.fr");
        type(options, "txtAccount", "ana");
        type(options, "txtPwd", "s3;cret");
        type(options, "txtPOP", "127.0.0.1");
        type(options, "txtPort", "1110");
        click(options, "cmdOK");
        QCOMPARE(journey.dialogs.messages.size(), 1); // the ";" is refused, the panel stays
        QCOMPARE(control<QLineEdit>(options, "txtEmailName")->text(), QStringLiteral("Maison"));
        type(options, "txtPwd", "s3cret");
        click(options, "cmdOK");
        auto* list = control<QTreeWidget>(options, "lvEmails");
        QCOMPARE(list->topLevelItem(0)->text(3), QString(6, QChar(0x2022)));

        // A modification shows the row and, cancelled, leaves it as it was.
        click(options, "cmdMod");
        QCOMPARE(control<QLineEdit>(options, "txtPwd")->text(), QStringLiteral("s3cret"));
        type(options, "txtEmailName", "Autre");
        click(options, "cmdAnnuler");
        QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("Maison"));
        QVERIFY(control<QLineEdit>(options, "txtPwd")->text().isEmpty());
        QVERIFY(control(&bar, "frmemail")->isHidden());
        click(options, "cmdModules");
        control<QAbstractButton>(options, "chkEmails")->click();
        click(options, "cmdSave");

        QTRY_VERIFY(!JourneyBar::window("frmOptions"));
        const QList<QStringList> accounts = journey.accounts();
        QCOMPARE(accounts.size(), 1);
        QCOMPARE(QFile::permissions(journey.dataFile("tolvane_EmailAccounts.dat")) & 0x7077,
            QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(accounts[0].mid(0, 6),
            QStringList({ "Maison", "ana@exemple.fr", "ana", "s3cret", "127.0.0.1", "1110" }));
        QVERIFY(!control(&bar, "frmemail")->isHidden());
        QCOMPARE(control<frmemail>(&bar, "frmemail")->NbEmailAccounts(), 1);
        QCOMPARE(journey.dialogs.messages.size(), 1);
    }

    void one_dialog_at_a_time_and_a_saved_order_rebuilds_the_bar()
    {
        JourneyBar journey;
        journey.settings->save(Keys::SortModules, QStringLiteral("Photo;Horloge;Favoris"));
        frmTolvane& bar = journey.start();
        auto* favoris = control<frmFavoris>(&bar, "frmFavoris");
        QPointer<frmOptions> first = openOptions(bar);
        QVERIFY(first && bar.optionsOpen() && favoris->logic().optionsOpen());
        click(&bar, "pictConfig");
        QCOMPARE(bar.options(), first.data());
        first->close(); // by the window frame
        QVERIFY(!bar.optionsOpen() && !favoris->logic().optionsOpen());
        QTRY_VERIFY(!first);

        const QWidget* photo = control(&bar, "frmPhoto");
        const QWidget* clock = control(&bar, "frmHorloge");
        QVERIFY(photo->y() < clock->y());
        frmOptions* options = openOptions(bar);
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
