#include "DataRow.h"
#include "OptionsBench.h"
#include "TestFiles.h"
#include "mail/EmailAccountsFile.h"
#include "options/PictureChooser.h"
#include "shell/SettingsKeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTreeWidget>
#include <QtTest>

namespace {

const QString kHome = QStringLiteral("Maison;moi@example.fr;moi;secret;pop.example.fr;110");

void saveFavorites(const QString& dataDir, FavoriteKind kind, const QStringList& names)
{
    FavoriteEntries all;
    for (const QString& name : names)
        all.append({ QStringLiteral("/home/moi/") + name, name.toUpper() });
    QVERIFY(FavoritesFile::save(dataDir, kind, all, nullptr));
}

QString storedFavorites(const QString& dataDir, FavoriteKind kind)
{
    QStringList labels;
    for (const FavoriteEntry& entry : FavoritesFile::load(dataDir, kind))
        labels.append(entry.label);
    return labels.join(u' ');
}

void select(QTreeWidget* list, int row)
{
    list->setCurrentItem(row < 0 ? nullptr : list->topLevelItem(row));
}

} // namespace

class TestOptionsDialog : public QObject {
    Q_OBJECT
private slots:
    void opens_on_the_modules_page_and_the_buttons_switch_pages()
    {
        OptionsBench bench;
        frmOptions* dialog = bench.open();
        QVERIFY(control(dialog, "frmModules")->isVisible());
        for (const char* hidden :
            { "frmAffichage", "frmOrdreModules", "frmEmails", "frmWindows", "frmInternet" })
            QVERIFY2(!control(dialog, hidden)->isVisible(), hidden);
        click(dialog, "cmdEmails");
        QVERIFY(control(dialog, "frmEmails")->isVisible());
        QVERIFY(!control(dialog, "frmModules")->isVisible());
    }

    void saving_without_changes_writes_every_key_and_applies_them_once()
    {
        OptionsBench bench;
        frmOptions* dialog = bench.open();
        QSignalSpy closing(dialog, &frmOptions::closing);
        click(dialog, "cmdSave");
        QCOMPARE(closing.size(), 1);
        QCOMPARE(bench.applied, 1);
        QCOMPARE(bench.opacity, 200); // saving keeps what the bar applied
        QTRY_VERIFY(!bench.dialog);
        QCOMPARE(bench.app.settings->value(Keys::Transparency, QString()), QStringLiteral("75"));
        QVERIFY(QFile::exists(EmailAccountsFile::path(bench.app.dataDir())));
    }

    // The bar still applies what the files hold, so that it shows what is stored.
    void a_settings_file_that_cannot_be_written_keeps_the_window_open()
    {
        OptionsBench bench;
        frmOptions* dialog = bench.open();
        QSignalSpy closing(dialog, &frmOptions::closing);
        // A folder where the file goes makes its rename fail.
        const QString file = bench.app.settings->filePath(QStringLiteral("Tolvane"));
        QFile::remove(file);
        QVERIFY(QDir().mkpath(file));
        QVERIFY(!dialog->Save());
        QVERIFY(dialog->isVisible());
        QCOMPARE(closing.size(), 0);
        QCOMPARE(bench.applied, 1);
        QCOMPARE(bench.app.fakes.dialogs.messages.size(), 1);
        QVERIFY(bench.app.fakes.dialogs.messages[0].text.startsWith(
            QStringLiteral("Probl\u00e8me d'acc\u00e8s en \u00e9criture : ")));
    }

    void out_of_range_values_show_inside_the_controls()
    {
        OptionsBench bench;
        bench.app.settings->save(Keys::TimerMeteo, QStringLiteral("9999"));
        bench.app.settings->save(Keys::SpaceBetweenModules, QStringLiteral("-2"));
        bench.app.settings->save(Keys::City, QStringLiteral("500"));
        bench.app.settings->save(Keys::Transparency, QStringLiteral("400"));
        frmOptions* dialog = bench.open();
        QCOMPARE(control<QSpinBox>(dialog, "updownTimerMeteo")->value(), 480);
        QCOMPARE(control<QLineEdit>(dialog, "txtTimerMeteo")->text(), QStringLiteral("480"));
        QCOMPARE(control<QSpinBox>(dialog, "UpDownSpaceBetweenModules")->value(), 1);
        QCOMPARE(control<QComboBox>(dialog, "cmbVille")->currentIndex(), 198);
        QCOMPARE(control<QSlider>(dialog, "sliderTransparence")->value(), 150);
    }

    void slider_previews_on_the_bar_and_cancel_puts_everything_back()
    {
        OptionsBench bench;
        const QString dataDir = bench.app.dataDir();
        EmailAccountsFile::SaveEmailAccounts(
            dataDir, { EmailAccount::fromRecordLine(kHome) }, nullptr);
        bench.app.settings->save(Keys::Skin, QStringLiteral("default"));
        const QString settingsFile = bench.app.settings->filePath(QStringLiteral("Tolvane"));
        const QByteArray settingsBefore = readBytes(settingsFile);
        const QByteArray accountsBefore = readBytes(EmailAccountsFile::path(dataDir));
        frmOptions* dialog = bench.open();
        click(dialog, "cmdAffichage");
        control<QSlider>(dialog, "sliderTransparence")->setValue(150);
        QCOMPARE(control<QLabel>(dialog, "labTransparence")->text(), QStringLiteral(" 100 %"));
        QCOMPARE(bench.opacity, 104);
        control<QCheckBox>(dialog, "chkTransparence")->click();
        QCOMPARE(bench.opacity, 255);
        control<QCheckBox>(dialog, "chkHorloge")->click();
        click(dialog, "cmdEmails");
        click(dialog, "cmdDel");

        click(dialog, "cmdQuit");
        QCOMPARE(bench.opacity, 200);
        QCOMPARE(bench.applied, 0);
        QTRY_VERIFY(!bench.dialog);
        QCOMPARE(readBytes(settingsFile), settingsBefore);
        QCOMPARE(readBytes(EmailAccountsFile::path(dataDir)), accountsBefore);
    }

    void closing_by_the_frame_is_a_cancel()
    {
        OptionsBench bench;
        frmOptions* dialog = bench.open();
        QSignalSpy closing(dialog, &frmOptions::closing);
        control<QSlider>(dialog, "sliderTransparence")->setValue(10);
        dialog->close();
        QCOMPARE(closing.size(), 1);
        QCOMPARE(bench.opacity, 200);
        QCOMPARE(bench.app.settings->value(Keys::Transparency, QStringLiteral("<missing>")),
            QStringLiteral("<missing>"));
    }

    void account_editor_locks_the_window_while_open()
    {
        OptionsBench bench;
        frmOptions* dialog = bench.open();
        click(dialog, "cmdEmails");
        const char* browsing[]
            = { "cmdAdd", "cmdMod", "cmdDel", "cmdModules", "cmdFavInt", "cmdSave", "cmdQuit" };
        const auto enabled = [&](const char* name) { return control(dialog, name)->isEnabled(); };
        const auto editing = [&](bool on) {
            for (const char* name : browsing)
                QVERIFY2(enabled(name) != on, name);
            for (const char* name : { "cmdOK", "cmdAnnuler", "txtEmailName" })
                QVERIFY2(enabled(name) == on, name);
        };
        editing(false);
        click(dialog, "cmdAdd");
        editing(true);
        QCOMPARE(control<QLineEdit>(dialog, "txtPort")->text(), QStringLiteral("110"));
        QCOMPARE(control<QLineEdit>(dialog, "txtPwd")->echoMode(), QLineEdit::Password);
        QVERIFY(!dialog->Save());

        type(dialog, "txtEmailName", QStringLiteral("Maison"));
        type(dialog, "txtPwd", QStringLiteral("a;b"));
        click(dialog, "cmdOK");
        QCOMPARE(bench.app.fakes.dialogs.messages.size(), 1); // the ';' is refused
        editing(true);
        QCOMPARE(control<QLineEdit>(dialog, "txtEmailName")->text(), QStringLiteral("Maison"));

        type(dialog, "txtPwd", QStringLiteral("secret"));
        click(dialog, "cmdOK");
        editing(false);
        QVERIFY(control<QLineEdit>(dialog, "txtEmailName")->text().isEmpty());
        auto* list = control<QTreeWidget>(dialog, "lvEmails");
        QCOMPARE(list->topLevelItemCount(), 1);
        QCOMPARE(list->topLevelItem(0)->text(3), QString(6, QChar(0x2022)));
        QVERIFY(list->topLevelItem(0)->isSelected());

        QVERIFY(dialog->Save());
        QCOMPARE(EmailAccountsFile::ReadEmailAccount(bench.app.dataDir()).value(0).recordLine(),
            QStringLiteral("Maison;;;secret;;110"));
    }

    // A six-field account opens as POP3 "Automatique"; choosing IMAP proposes its port and the
    // choice is kept in the seventh field, while the notification box is a setting of its own.
    void protocol_and_security_lists_propose_a_port_and_are_saved()
    {
        OptionsBench bench;
        EmailAccountsFile::SaveEmailAccounts(
            bench.app.dataDir(), { EmailAccount::fromRecordLine(kHome) }, nullptr);
        frmOptions* dialog = bench.open();
        click(dialog, "cmdEmails");
        auto* notify = control<QCheckBox>(dialog, "chkNotifyNewMail");
        QCOMPARE(notify->text(),
            QStringLiteral("Me pr\u00e9venir de l'arriv\u00e9e de nouveaux messages"));
        QVERIFY(notify->isChecked());
        notify->click();
        click(dialog, "cmdMod");
        auto* protocol = control<QComboBox>(dialog, "cmbProtocole");
        auto* security = control<QComboBox>(dialog, "cmbSecurite");
        QCOMPARE(protocol->currentText(), QStringLiteral("POP3"));
        QCOMPARE(security->currentText(), QStringLiteral("Automatique"));
        QCOMPARE(control<QLineEdit>(dialog, "txtPort")->text(), QStringLiteral("110"));
        protocol->setCurrentIndex(1);
        emit protocol->activated(1);
        QCOMPARE(control<QLineEdit>(dialog, "txtPort")->text(), QStringLiteral("993"));
        security->setCurrentIndex(2);
        emit security->activated(2);
        QCOMPARE(control<QLineEdit>(dialog, "txtPort")->text(), QStringLiteral("143"));
        click(dialog, "cmdOK");
        QCOMPARE(control<QTreeWidget>(dialog, "lvEmails")->topLevelItem(0)->text(6),
            QStringLiteral("IMAP, STARTTLS obligatoire"));
        QVERIFY(dialog->Save());
        QCOMPARE(EmailAccountsFile::ReadEmailAccount(bench.app.dataDir()).value(0).recordLine(),
            QStringLiteral("Maison;moi@example.fr;moi;secret;pop.example.fr;143;IMAP STARTTLS"));
        QCOMPARE(bench.app.settings->value(Keys::NotifyNewMail, QString()), QStringLiteral("0"));
    }

    void modify_copies_the_row_and_cancel_leaves_it()
    {
        OptionsBench bench;
        EmailAccountsFile::SaveEmailAccounts(
            bench.app.dataDir(), { EmailAccount::fromRecordLine(kHome) }, nullptr);
        frmOptions* dialog = bench.open();
        click(dialog, "cmdEmails");
        click(dialog, "cmdMod");
        QCOMPARE(control<QLineEdit>(dialog, "txtPwd")->text(), QStringLiteral("secret"));
        QCOMPARE(control<QLineEdit>(dialog, "txtPOP")->text(), QStringLiteral("pop.example.fr"));
        type(dialog, "txtEmailName", QStringLiteral("Autre"));
        click(dialog, "cmdAnnuler");
        QCOMPARE(control<QTreeWidget>(dialog, "lvEmails")->topLevelItem(0)->text(0),
            QStringLiteral("Maison"));
        QVERIFY(control<QLineEdit>(dialog, "txtPwd")->text().isEmpty());
    }

    void module_order_buttons_move_the_selected_row()
    {
        OptionsBench bench;
        bench.app.settings->save(
            Keys::SortModules, QStringLiteral("Photo;Horloge;e-Mails;Pense-B\u00eate"));
        frmOptions* dialog = bench.open();
        click(dialog, "cmdOrderAffichage");
        auto* list = control<QTreeWidget>(dialog, "lvSortModules");
        list->topLevelItem(1)->setSelected(true);
        click(dialog, "cmdOrderModUp");
        QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("Horloge"));
        QVERIFY(list->topLevelItem(0)->isSelected());
        QVERIFY(dialog->Save());
        QCOMPARE(bench.app.settings->value(Keys::SortModules),
            QStringLiteral("Horloge;Photo;e-Mails;Pense-B\u00eate;"));
    }

    void picture_chooser_fills_the_photo_box_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("shown");
        dataRow("a file chosen", "/home/moi/chat.png", "/home/moi/chat.png");
        dataRow("cancelled keeps the old one", "", "/old/photo.bmp");
    }
    void picture_chooser_fills_the_photo_box()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, shown);
        OptionsBench bench;
        bench.app.settings->save(Keys::Photo, QStringLiteral("/old/photo.bmp"));
        bench.app.fakes.dialogs.nextFileName = chosen;
        frmOptions* dialog = bench.open();
        click(dialog, "cmdChoosePicture");
        QCOMPARE(control<QLineEdit>(dialog, "txtPhoto")->text(), shown);
        QVERIFY(dialog->Save());
        QCOMPARE(bench.app.settings->value(Keys::Photo), shown);
    }

    void picture_filter_lists_the_formats_the_photo_can_show()
    {
        const QString filter = PictureChooser::Filter();
        for (const char* pattern : { "*.bmp", "*.png", "*.jpg", "*.jpeg", "*.gif" })
            QVERIFY2(filter.contains(QLatin1String(pattern)), pattern);
    }

    void a_favorites_sort_disables_the_moves_of_its_own_page()
    {
        OptionsBench bench;
        frmOptions* dialog = bench.open();
        click(dialog, "cmdFavWindows");
        control<QComboBox>(dialog, "cmbTriWindows")->setCurrentIndex(1);
        QVERIFY(!control(dialog, "cmdFavWinUp")->isEnabled());
        QVERIFY(!control(dialog, "cmdFavWinDown")->isEnabled());
        QVERIFY(control(dialog, "cmdFavIntUp")->isEnabled());
        control<QComboBox>(dialog, "cmbTriWindows")->setCurrentIndex(0);
        QVERIFY(control(dialog, "cmdFavWinUp")->isEnabled());
    }

    // Each page moves the last row up and deletes the first: the deletion is written at once,
    // the move is forgotten by "Annuler"; the other page's file is left alone.
    void favorites_pages_write_deletions_at_once_and_forget_moves_on_cancel_data()
    {
        QTest::addColumn<bool>("internet");
        dataRow("Windows page", false);
        dataRow("Internet page", true);
    }
    void favorites_pages_write_deletions_at_once_and_forget_moves_on_cancel()
    {
        QFETCH(bool, internet);
        OptionsBench bench;
        const QString data = bench.app.dataDir();
        const FavoriteKind kind = internet ? FavoriteKind::Internet : FavoriteKind::Windows;
        const FavoriteKind other = internet ? FavoriteKind::Windows : FavoriteKind::Internet;
        saveFavorites(data, kind, { "x", "y", "z" });
        saveFavorites(data, other, { "a", "b" });
        frmOptions* dialog = bench.open();
        click(dialog, internet ? "cmdFavInt" : "cmdFavWindows");
        auto* list = control<QTreeWidget>(dialog, internet ? "lvFavInt" : "lvFavWin");
        QCOMPARE(list->topLevelItem(2)->text(1), QStringLiteral("/home/moi/z"));
        const char* remove = internet ? "cmdSupprimerFavInt" : "cmdSupprimerFavWin";

        select(list, -1);
        click(dialog, remove);
        QCOMPARE(bench.app.fakes.dialogs.messages.size(), 1); // nothing selected: said so
        QCOMPARE(bench.app.fakes.dialogs.messages[0].icon, Dialogs::Icon::Critical);
        select(list, 2);
        click(dialog, internet ? "cmdFavIntUp" : "cmdFavWinUp");
        QCOMPARE(list->currentItem()->text(0), QStringLiteral("Z"));
        select(list, 0);
        click(dialog, remove);
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(storedFavorites(data, kind), QStringLiteral("Y Z"));
        QCOMPARE(bench.reloaded, 1);

        click(dialog, "cmdQuit");
        QTRY_VERIFY(!bench.dialog);
        QCOMPARE(storedFavorites(data, kind), QStringLiteral("Y Z"));
        QCOMPARE(storedFavorites(data, other), QStringLiteral("A B"));
    }
};

QTEST_MAIN(TestOptionsDialog)
#include "TestOptionsDialog.moc"
