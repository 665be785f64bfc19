#include "TestApp.h"
#include "mail/EmailAccountsFile.h"
#include "options/PictureChooser.h"
#include "options/frmOptions.h"
#include "shell/SettingsKeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTreeWidget>
#include <QtTest>

namespace {

// The bar as the dialog sees it: an opacity and a count of re-applied settings.
struct FakeBar {
    int opacity = 200;
    int applied = 0;
    OptionsHost host()
    {
        return { [this] { return opacity; },
            [this](bool on, int value) { opacity = on ? value : 255; }, [this] { ++applied; }, {} };
    }
};

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

const QString kHome = QStringLiteral("Maison;moi@example.fr;moi;secret;pop.example.fr;110");

} // namespace

class TestOptionsDialog : public QObject {
    Q_OBJECT

    template <typename T> static T* find(QWidget* window, const char* name)
    {
        T* widget = window->findChild<T*>(QLatin1String(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    static void click(QWidget* window, const char* name)
    {
        QTest::mouseClick(find<QPushButton>(window, name), Qt::LeftButton);
    }
    static void type(QWidget* window, const char* name, const QString& text)
    {
        find<QLineEdit>(window, name)->setText(text);
    }

private slots:
    void opens_on_the_modules_page_at_its_size()
    {
        TestApp app(false);
        FakeBar bar;
        frmOptions dialog(app.context, bar.host());
        QCOMPARE(dialog.size(), QSize(628, 472));
        dialog.show();
        QVERIFY(find<QWidget>(&dialog, "frmModules")->isVisible());
        for (const char* hidden :
            { "frmAffichage", "frmOrdreModules", "frmEmails", "frmWindows", "frmInternet" })
            QVERIFY2(!find<QWidget>(&dialog, hidden)->isVisible(), hidden);
        click(&dialog, "cmdEmails");
        QVERIFY(find<QWidget>(&dialog, "frmEmails")->isVisible());
        QVERIFY(!find<QWidget>(&dialog, "frmModules")->isVisible());
        QCOMPARE(find<QComboBox>(&dialog, "cmbVille")->count(), 389);
        QCOMPARE(find<QComboBox>(&dialog, "cmbVille")->currentIndex(), 198);
    }

    void saving_without_changes_writes_every_key_and_applies_them_once()
    {
        TestApp app(false);
        app.settings->save(Keys::SortModules, QStringLiteral("Photo;Horloge"));
        FakeBar bar;
        auto* dialog = new frmOptions(app.context, bar.host());
        QPointer<frmOptions> alive(dialog);
        QSignalSpy closing(dialog, &frmOptions::closing);
        dialog->show();
        click(dialog, "cmdSave");
        QCOMPARE(closing.size(), 1);
        QCOMPARE(bar.applied, 1);
        QCOMPARE(bar.opacity, 200); // saving keeps what the bar applied
        QTRY_VERIFY(!alive);
        QCOMPARE(app.settings->value(Keys::SortModules),
            QStringLiteral("Photo;Horloge;e-Mails;Pense-B\u00eate;"));
        QCOMPARE(app.settings->value(Keys::Transparency, QString()), QStringLiteral("75"));
        QCOMPARE(
            app.settings->value(Keys::FavWinDisplaySmallIcons, QString()), QStringLiteral("1"));
        QVERIFY(QFile::exists(EmailAccountsFile::path(app.dataDir())));
    }

    void a_settings_file_that_cannot_be_written_keeps_the_window_open()
    {
        TestApp app(false);
        FakeBar bar;
        frmOptions dialog(app.context, bar.host());
        QSignalSpy closing(&dialog, &frmOptions::closing);
        dialog.show();
        // A folder where the file goes makes its rename fail.
        QFile::remove(app.settings->filePath(QStringLiteral("Tolvane")));
        QVERIFY(QDir().mkpath(app.settings->filePath(QStringLiteral("Tolvane"))));
        QVERIFY(!dialog.Save());
        QVERIFY(dialog.isVisible());
        QCOMPARE(closing.size(), 0);
        QCOMPARE(bar.applied, 0);
        QCOMPARE(app.fakes.dialogs.messages.size(), 1);
        QVERIFY(app.fakes.dialogs.messages[0].text.startsWith(
            QStringLiteral("Probl\u00e8me d'acc\u00e8s en \u00e9criture : ")));
    }

    void out_of_range_values_show_inside_the_controls()
    {
        TestApp app(false);
        app.settings->save(Keys::TimerMeteo, QStringLiteral("9999"));
        app.settings->save(Keys::SpaceBetweenModules, QStringLiteral("-2"));
        app.settings->save(Keys::City, QStringLiteral("500"));
        app.settings->save(Keys::Transparency, QStringLiteral("400"));
        FakeBar bar;
        frmOptions dialog(app.context, bar.host());
        QCOMPARE(find<QSpinBox>(&dialog, "updownTimerMeteo")->value(), 480);
        QCOMPARE(find<QLineEdit>(&dialog, "txtTimerMeteo")->text(), QStringLiteral("480"));
        QCOMPARE(find<QSpinBox>(&dialog, "UpDownSpaceBetweenModules")->value(), 1);
        QCOMPARE(find<QComboBox>(&dialog, "cmbVille")->currentIndex(), 198);
        QCOMPARE(find<QSlider>(&dialog, "sliderTransparence")->value(), 150);
    }

    void slider_previews_on_the_bar_and_cancel_puts_everything_back()
    {
        TestApp app(false);
        EmailAccountsFile::SaveEmailAccounts(
            app.dataDir(), { EmailAccount::fromRecordLine(kHome) }, nullptr);
        app.settings->save(Keys::Skin, QStringLiteral("default"));
        const QByteArray settingsBefore
            = fileBytes(app.settings->filePath(QStringLiteral("Tolvane")));
        const QByteArray accountsBefore = fileBytes(EmailAccountsFile::path(app.dataDir()));
        FakeBar bar;
        auto* dialog = new frmOptions(app.context, bar.host());
        QPointer<frmOptions> alive(dialog);
        dialog->show();
        click(dialog, "cmdAffichage");
        find<QSlider>(dialog, "sliderTransparence")->setValue(150);
        QCOMPARE(find<QLabel>(dialog, "labTransparence")->text(), QStringLiteral(" 100 %"));
        QCOMPARE(bar.opacity, 104);
        find<QCheckBox>(dialog, "chkTransparence")->click();
        QCOMPARE(bar.opacity, 255);
        QCOMPARE(find<QLabel>(dialog, "labTransparence")->text(), QStringLiteral(" 100 %"));
        find<QCheckBox>(dialog, "chkHorloge")->click();
        click(dialog, "cmdEmails");
        click(dialog, "cmdDel");

        click(dialog, "cmdQuit");
        QCOMPARE(bar.opacity, 200);
        QCOMPARE(bar.applied, 0);
        QTRY_VERIFY(!alive);
        QCOMPARE(fileBytes(app.settings->filePath(QStringLiteral("Tolvane"))), settingsBefore);
        QCOMPARE(fileBytes(EmailAccountsFile::path(app.dataDir())), accountsBefore);
    }

    void closing_by_the_frame_is_a_cancel()
    {
        TestApp app(false);
        FakeBar bar;
        frmOptions dialog(app.context, bar.host());
        QSignalSpy closing(&dialog, &frmOptions::closing);
        dialog.show();
        find<QSlider>(&dialog, "sliderTransparence")->setValue(10);
        dialog.setAttribute(Qt::WA_DeleteOnClose, false);
        dialog.close();
        QCOMPARE(closing.size(), 1);
        QCOMPARE(bar.opacity, 200);
        QCOMPARE(app.settings->value(Keys::Transparency, QStringLiteral("<missing>")),
            QStringLiteral("<missing>"));
    }

    void account_editor_locks_the_window_while_open()
    {
        TestApp app(false);
        FakeBar bar;
        frmOptions dialog(app.context, bar.host());
        dialog.show();
        click(&dialog, "cmdEmails");
        const char* browsing[]
            = { "cmdAdd", "cmdMod", "cmdDel", "cmdModules", "cmdFavInt", "cmdSave", "cmdQuit" };
        const char* editing[] = { "cmdOK", "cmdAnnuler" };
        const auto enabled
            = [&](const char* name) { return find<QWidget>(&dialog, name)->isEnabled(); };
        for (const char* name : browsing)
            QVERIFY2(enabled(name), name);
        for (const char* name : editing)
            QVERIFY2(!enabled(name), name);
        QVERIFY(!enabled("txtEmailName"));

        click(&dialog, "cmdAdd");
        QCOMPARE(find<QLineEdit>(&dialog, "txtPort")->text(), QStringLiteral("110"));
        QCOMPARE(find<QLineEdit>(&dialog, "txtPwd")->echoMode(), QLineEdit::Password);
        for (const char* name : browsing)
            QVERIFY2(!enabled(name), name);
        for (const char* name : editing)
            QVERIFY2(enabled(name), name);
        QVERIFY(!dialog.Save());

        type(&dialog, "txtEmailName", QStringLiteral("Maison"));
        type(&dialog, "txtPwd", QStringLiteral("a;b"));
        click(&dialog, "cmdOK");
        QCOMPARE(app.fakes.dialogs.messages.size(), 1); // the ';' is refused
        QVERIFY(enabled("cmdOK"));
        QCOMPARE(find<QLineEdit>(&dialog, "txtEmailName")->text(), QStringLiteral("Maison"));

        type(&dialog, "txtPwd", QStringLiteral("secret"));
        click(&dialog, "cmdOK");
        QVERIFY(enabled("cmdSave"));
        QVERIFY(find<QLineEdit>(&dialog, "txtEmailName")->text().isEmpty());
        auto* list = find<QTreeWidget>(&dialog, "lvEmails");
        QCOMPARE(list->topLevelItemCount(), 1);
        QCOMPARE(
            list->topLevelItem(0)->text(3), QStringLiteral("\u2022\u2022\u2022\u2022\u2022\u2022"));
        QVERIFY(list->topLevelItem(0)->isSelected());

        QVERIFY(dialog.Save());
        QCOMPARE(EmailAccountsFile::ReadEmailAccount(app.dataDir()).value(0).recordLine(),
            QStringLiteral("Maison;;;secret;;110"));
    }

    void modify_copies_the_row_and_cancel_leaves_it()
    {
        TestApp app(false);
        EmailAccountsFile::SaveEmailAccounts(
            app.dataDir(), { EmailAccount::fromRecordLine(kHome) }, nullptr);
        FakeBar bar;
        frmOptions dialog(app.context, bar.host());
        dialog.show();
        click(&dialog, "cmdEmails");
        click(&dialog, "cmdMod");
        QCOMPARE(find<QLineEdit>(&dialog, "txtPwd")->text(), QStringLiteral("secret"));
        QCOMPARE(find<QLineEdit>(&dialog, "txtPOP")->text(), QStringLiteral("pop.example.fr"));
        type(&dialog, "txtEmailName", QStringLiteral("Autre"));
        click(&dialog, "cmdAnnuler");
        QCOMPARE(find<QTreeWidget>(&dialog, "lvEmails")->topLevelItem(0)->text(0),
            QStringLiteral("Maison"));
        QVERIFY(find<QLineEdit>(&dialog, "txtPwd")->text().isEmpty());
    }

    void module_order_buttons_move_the_selected_row()
    {
        TestApp app(false);
        app.settings->save(
            Keys::SortModules, QStringLiteral("Photo;Horloge;e-Mails;Pense-B\u00eate"));
        FakeBar bar;
        frmOptions dialog(app.context, bar.host());
        dialog.show();
        click(&dialog, "cmdOrderAffichage");
        auto* list = find<QTreeWidget>(&dialog, "lvSortModules");
        QCOMPARE(list->topLevelItem(1)->text(1), QStringLiteral("Horloge et Date"));
        list->topLevelItem(1)->setSelected(true);
        click(&dialog, "cmdOrderModUp");
        click(&dialog, "cmdOrderModUp"); // already first
        QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("Horloge"));
        QVERIFY(list->topLevelItem(0)->isSelected());
        QVERIFY(dialog.Save());
        QCOMPARE(app.settings->value(Keys::SortModules),
            QStringLiteral("Horloge;Photo;e-Mails;Pense-B\u00eate;"));
    }

    void picture_chooser_fills_the_photo_box_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a file chosen") << "/home/moi/chat.png"
                                       << "/home/moi/chat.png";
        QTest::newRow("cancelled keeps the old one") << ""
                                                     << "/old/photo.bmp";
    }
    void picture_chooser_fills_the_photo_box()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, shown);
        TestApp app(false);
        app.settings->save(Keys::Photo, QStringLiteral("/old/photo.bmp"));
        app.fakes.dialogs.nextFileName = chosen;
        FakeBar bar;
        frmOptions dialog(app.context, bar.host());
        dialog.show();
        click(&dialog, "cmdChoosePicture");
        QCOMPARE(find<QLineEdit>(&dialog, "txtPhoto")->text(), shown);
        QVERIFY(dialog.Save());
        QCOMPARE(app.settings->value(Keys::Photo), shown);
    }

    void picture_filter_lists_the_formats_the_photo_can_show()
    {
        const QString filter = PictureChooser::Filter();
        for (const char* pattern : { "*.bmp", "*.png", "*.jpg", "*.jpeg", "*.gif" })
            QVERIFY2(filter.contains(QLatin1String(pattern)), pattern);
    }
};

QTEST_MAIN(TestOptionsDialog)
#include "TestOptionsDialog.moc"
