#include "VaultFixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>

using F = VaultFixture;

class TestVaultWindows : public QObject {
    Q_OBJECT
private slots:
    void failed_save_is_told_and_loses_nothing()
    {
        VaultFixture f;
        f.putVault("pw", {});
        frmPasswords* vault = f.unlock("pw");
        QVERIFY(vault);
        F::addRow(vault, { "Code", "0000" });
        // A plain file where the data folder was: nothing can be written in it.
        const QString dataDir = f.app.dataDir();
        QVERIFY(QDir().rename(dataDir, dataDir + ".away"));
        writeBytes(dataDir, "x");
        QVERIFY(!F::confirm(vault));
        QCOMPARE(f.app.fakes.dialogs.messages.size(), 1);
        QCOMPARE(f.app.fakes.dialogs.messages[0].icon, Dialogs::Icon::Critical);
        QCOMPARE(f.app.fakes.dialogs.messages[0].text,
            QStringLiteral("Probl\u00E8me d'acc\u00E8s en \u00E9criture : ") + f.vaultPath());
        QVERIFY(vault->isVisible() && control(vault, "cmdValide")->isEnabled());
        QCOMPARE(F::shownRows(vault), QStringList { "Code|0000|||" });

        QVERIFY(QFile::remove(dataDir) && QDir().rename(dataDir + ".away", dataDir));
        QVERIFY(F::confirm(vault));
        QCOMPARE(f.rowsOnDisk("pw"), VaultRows { vaultRow("Code", "0000") });
    }

    void altered_file_shows_no_row_and_is_never_written_over()
    {
        VaultFixture f;
        f.putVault("pw", { vaultRow("Secret", "1") });
        QByteArray altered = f.fileBytes();
        altered[altered.size() - 20] = char(altered[altered.size() - 20] ^ 0x04);
        writeBytes(f.vaultPath(), altered);
        QVERIFY(!f.unlock("pw"));
        QVERIFY(!f.unlock("pw", "x", "x"));
        QCOMPARE(f.app.fakes.dialogs.messages.size(), 2);
        QCOMPARE(f.app.fakes.dialogs.messages[1].text, PasswordCheck::wrongPasswordText());
        QCOMPARE(f.fileBytes(), altered);
    }

    void double_click_copies_a_cell_for_a_while()
    {
        VaultFixture f;
        f.windows.clipboard().setDelay(std::chrono::milliseconds(50));
        frmPasswords* vault = f.unlock({}, "k", "k");
        F::addRow(vault, { "Banque", "4321" });
        auto* list = control<QTreeWidget>(vault, "lvPasswords");
        QClipboard* clipboard = QGuiApplication::clipboard();

        emit list->itemDoubleClicked(list->topLevelItem(0), 1);
        QCOMPARE(clipboard->text(), QStringLiteral("4321"));
        QTRY_COMPARE(clipboard->text(), QString());

        vault->copyCell(0, 0);
        QCOMPARE(clipboard->text(), QStringLiteral("Banque"));
        clipboard->setText(QStringLiteral("autre chose"));
        QTest::qWait(150);
        QCOMPARE(clipboard->text(), QStringLiteral("autre chose"));
    }
};

QTEST_MAIN(TestVaultWindows)
#include "TestVaultWindows.moc"
