#include "Controls.h"
#include "TestApp.h"
#include "TestFiles.h"
#include "mail/EmailAccountsFile.h"
#include "options/frmOptions.h"
#include "shell/SettingsKeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPointer>
#include <QtTest>

// The options dialog over a private AppDir; of the bar it talks to, only how often it applied
// saved settings is kept.
struct OptionsBench {
    TestApp app { false };
    int applied = 0;
    QPointer<frmOptions> dialog;

    ~OptionsBench() { delete dialog.data(); }

    // The dialog shown as the bar opens it (it deletes itself when it closes).
    frmOptions* open()
    {
        dialog = new frmOptions(
            app.context, { [] { return 255; }, [](bool, int) {}, [this] { ++applied; }, [] {} });
        dialog->show();
        return dialog;
    }
};

class TestOptionsDialog : public QObject {
    Q_OBJECT
private slots:
    // Every change of the dialog but a favorite's deletion waits for "Sauver".
    void cancel_writes_nothing()
    {
        OptionsBench bench;
        const QString dataDir = bench.app.dataDir();
        EmailAccountsFile::SaveEmailAccounts(dataDir,
            { EmailAccount::fromRecordLine("Maison;moi@example.fr;moi;secret;pop.example.fr;110") },
            nullptr);
        bench.app.settings->save(Keys::Skin, QStringLiteral("default"));
        const QString settingsFile = bench.app.settings->filePath(QStringLiteral("Tolvane"));
        const QByteArray settingsBefore = readBytes(settingsFile);
        const QByteArray accountsBefore = readBytes(EmailAccountsFile::path(dataDir));
        frmOptions* dialog = bench.open();
        control<QCheckBox>(dialog, "chkHorloge")->click();
        click(dialog, "cmdEmails");
        click(dialog, "cmdDel");
        click(dialog, "cmdQuit");
        QCOMPARE(bench.applied, 0);
        QTRY_VERIFY(!bench.dialog);
        QCOMPARE(readBytes(settingsFile), settingsBefore);
        QCOMPARE(readBytes(EmailAccountsFile::path(dataDir)), accountsBefore);
    }

    void picture_chooser_fills_the_photo_box_unless_cancelled()
    {
        OptionsBench bench;
        bench.app.settings->save(Keys::Photo, QStringLiteral("/old/photo.bmp"));
        frmOptions* dialog = bench.open();
        click(dialog, "cmdChoosePicture"); // cancelled: no file name comes back
        QCOMPARE(control<QLineEdit>(dialog, "txtPhoto")->text(), QStringLiteral("/old/photo.bmp"));
        bench.app.fakes.dialogs.nextFileName = QStringLiteral("/home/moi/chat.png");
        click(dialog, "cmdChoosePicture");
        QVERIFY(dialog->Save());
        QCOMPARE(bench.app.settings->value(Keys::Photo), QStringLiteral("/home/moi/chat.png"));
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
};

QTEST_MAIN(TestOptionsDialog)
#include "TestOptionsDialog.moc"
