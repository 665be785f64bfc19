#include "VaultFixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>

using F = VaultFixture;

class TestVaultWindows : public QObject {
    Q_OBJECT
private slots:
    void first_password_then_two_rows_come_back_at_the_next_opening()
    {
        VaultFixture f;
        f.windows.open();
        QPointer<frmGetPassword> dialog = f.windows.passwordDialog();
        QVERIFY(!control(dialog, "txtPassword")->isEnabled());
        for (const char* box : { "txtPassword", "txtNewPassword", "txtConfirmNewPassword" })
            QCOMPARE(control<QLineEdit>(dialog, box)->echoMode(), QLineEdit::Password);

        frmPasswords* vault = f.unlock({}, "abc", "abc");
        QVERIFY(vault && vault->isVisible());
        QTRY_VERIFY(dialog.isNull());
        QVERIFY(F::shownRows(vault).isEmpty());
        QVERIFY(f.fileBytes().startsWith("TolvaneVault"));
        QVERIFY(!settingsMentionPassword(f.app));

        F::addRow(vault, { "Banque", "1234" });
        F::addRow(vault, { "Banque", "a", "b", "c", "d" });
        F::addRow(vault, {}); // an empty row is kept too
        QCOMPARE(F::shownRows(vault), QStringList({ "Banque|1234|||", "Banque|a|b|c|d", "||||" }));
        QVERIFY(F::confirm(vault));
        QCOMPARE(f.rowsOnDisk("abc"),
            VaultRows({ vaultRow("Banque", "1234"), vaultRow("Banque", "a", "b", "c", "d"),
                vaultRow({}) }));

        f.windows.open();
        QVERIFY(control(f.windows.passwordDialog(), "txtPassword")->isEnabled());
        vault = f.unlock("abc");
        QVERIFY(vault);
        QCOMPARE(F::shownRows(vault), QStringList({ "Banque|1234|||", "Banque|a|b|c|d", "||||" }));
        QVERIFY(f.app.fakes.dialogs.messages.isEmpty());
    }

    void wrong_password_keeps_the_dialog_with_emptied_fields()
    {
        VaultFixture f;
        f.putVault("pw", {});
        QVERIFY(!f.unlock("nope"));
        frmGetPassword* dialog = f.windows.passwordDialog();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(f.app.fakes.dialogs.messages.size(), 1);
        QCOMPARE(f.app.fakes.dialogs.messages[0].icon, Dialogs::Icon::Critical);
        QCOMPARE(f.app.fakes.dialogs.messages[0].text, PasswordCheck::wrongPasswordText());
        QVERIFY(control<QLineEdit>(dialog, "txtPassword")->text().isEmpty());
        f.windows.open(); // a second click brings the same dialog forward
        QCOMPARE(f.owner.findChildren<frmGetPassword*>().size(), 1);
        QPointer<frmGetPassword> cancelled = dialog;
        click(dialog, "cmdCancel");
        QTRY_VERIFY(cancelled.isNull());
        QVERIFY(f.unlock("pw"));
    }

    void changed_password_rewrites_the_file_and_keeps_the_rows()
    {
        VaultFixture f;
        f.putVault("old", { vaultRow("Mail", "jo", "x") });
        frmPasswords* vault = f.unlock("old", "neu", "neu");
        QVERIFY(vault);
        QCOMPARE(F::shownRows(vault), QStringList { "Mail|jo|x||" });
        QCOMPARE(f.rowsOnDisk("neu"), VaultRows { vaultRow("Mail", "jo", "x") });
        QVERIFY(f.rowsOnDisk("old").isEmpty());
        f.windows.open(); // the open vault comes forward; no second dialog
        QVERIFY(!f.windows.passwordDialog() || !f.windows.passwordDialog()->isVisible());
        QCOMPARE(f.windows.vaultWindow(), vault);
        F::addRow(vault, { "Code", "0000" });
        QVERIFY(F::confirm(vault));
        QCOMPARE(f.rowsOnDisk("neu").size(), 2);
    }

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

    void dialog_shows_it_is_working_while_the_key_is_derived()
    {
        VaultFixture f;
        f.windows.open();
        QPointer<frmGetPassword> dialog = f.windows.passwordDialog();
        type(dialog, "txtNewPassword", "abc");
        type(dialog, "txtConfirmNewPassword", "abc");
        click(dialog, "cmdValide");
        QVERIFY(dialog->isWorking());
        QVERIFY(control(dialog, "labWorking")->isVisible()
            && control(dialog, "pbWorking")->isVisible());
        QVERIFY(!control(dialog, "cmdValide")->isEnabled()
            && !control(dialog, "txtNewPassword")->isEnabled());
        dialog->close(); // not while a vault is being written
        QVERIFY(dialog->isVisible());
        QTRY_VERIFY(dialog.isNull());
        QVERIFY(f.windows.vaultWindow());
    }

    void deleting_every_row_is_written_and_stays_deleted()
    {
        VaultFixture f;
        f.putVault("pw", { vaultRow("A"), vaultRow("B") });
        frmPasswords* vault = f.unlock("pw");
        f.app.fakes.dialogs.answers = { false, true, true };
        control<QTreeWidget>(vault, "lvPasswords")->clearSelection();
        click(vault, "cmdDel"); // nothing selected: no question
        QVERIFY(f.app.fakes.dialogs.messages.isEmpty());
        F::selectRow(vault, 0);
        click(vault, "cmdDel"); // answered No
        QCOMPARE(F::shownRows(vault).size(), 2);
        QCOMPARE(f.app.fakes.dialogs.messages.last().text,
            QStringLiteral("\u00CAtes-vous s\u00FBr de vouloir supprimer cette ligne ?"));
        QCOMPARE(f.app.fakes.dialogs.messages.last().icon, Dialogs::Icon::Question);
        click(vault, "cmdDel");
        F::selectRow(vault, 0);
        click(vault, "cmdDel");
        QVERIFY(F::shownRows(vault).isEmpty());
        QVERIFY(F::confirm(vault));
        QVERIFY(F::shownRows(f.unlock("pw")).isEmpty());
    }

    void editing_locks_the_list_and_a_semicolon_keeps_the_panel_open()
    {
        VaultFixture f;
        frmPasswords* vault = f.unlock({}, "k", "k");
        const auto enabled
            = [vault](const char* name) { return control(vault, name)->isEnabled(); };
        QVERIFY(enabled("lvPasswords") && enabled("cmdValide") && !enabled("txtDescriptif"));
        QVERIFY(!enabled("cmdConfirmAddMod") && !enabled("labData4"));

        click(vault, "cmdMod");
        QCOMPARE(f.app.fakes.dialogs.messages.size(), 1);
        QCOMPARE(f.app.fakes.dialogs.messages[0].icon, Dialogs::Icon::Exclamation);
        QCOMPARE(f.app.fakes.dialogs.messages[0].text,
            QStringLiteral(
                "Il n'y a pas de donn\u00E9es personnelles \u00E0 modifier (table vide)"));
        QVERIFY(enabled("lvPasswords") && !enabled("txtDescriptif"));

        click(vault, "cmdAdd");
        for (const char* name : { "lvPasswords", "cmdAdd", "cmdMod", "cmdDel", "cmdHaut", "cmdBas",
                 "cmdValide", "cmdCancel" })
            QVERIFY2(!enabled(name), name);
        for (const char* name : { "labDescriptif", "txtDescriptif", "labData1", "txtData4",
                 "cmdConfirmAddMod", "cmdCancelItem" })
            QVERIFY2(enabled(name), name);
        type(vault, "txtDescriptif", "Wifi");
        type(vault, "txtData2", "a;b");
        click(vault, "cmdConfirmAddMod");
        QCOMPARE(f.app.fakes.dialogs.messages.size(), 2);
        QCOMPARE(f.app.fakes.dialogs.messages[1].text,
            QStringLiteral("Le champ \u00AB Donn\u00E9e personnelle #2 \u00BB ne peut pas contenir "
                           "le caract\u00E8re \u00AB ; \u00BB."));
        QVERIFY(enabled("txtData2") && !enabled("lvPasswords"));
        QCOMPARE(control<QLineEdit>(vault, "txtData2")->text(), QStringLiteral("a;b"));
        type(vault, "txtData2", "ab");
        click(vault, "cmdConfirmAddMod");
        QCOMPARE(F::shownRows(vault), QStringList { "Wifi||ab||" });
        QVERIFY(enabled("lvPasswords") && !enabled("txtDescriptif"));

        F::addRow(vault, { "Porte", "1" });
        F::selectRow(vault, 0);
        click(vault, "cmdMod");
        QCOMPARE(control<QLineEdit>(vault, "txtData2")->text(), QStringLiteral("ab"));
        type(vault, "txtDescriptif", "Wifi maison");
        click(vault, "cmdCancelItem");
        QCOMPARE(control<QLineEdit>(vault, "txtDescriptif")->text(), QString());
        QCOMPARE(F::shownRows(vault), QStringList({ "Wifi||ab||", "Porte|1|||" }));
        click(vault, "cmdAdd");
        QTest::keyClick(vault, Qt::Key_Escape); // ends the edit, not the window
        QVERIFY(vault->isVisible() && enabled("lvPasswords") && !enabled("txtDescriptif"));

        F::selectRow(vault, 1);
        click(vault, "cmdHaut");
        QCOMPARE(F::shownRows(vault), QStringList({ "Porte|1|||", "Wifi||ab||" }));
        click(vault, "cmdMod");
        type(vault, "txtData4", "z");
        click(vault, "cmdConfirmAddMod");
        QCOMPARE(F::shownRows(vault), QStringList({ "Porte|1|||z", "Wifi||ab||" }));
        QCOMPARE(control<QTreeWidget>(vault, "lvPasswords")->currentItem()->text(0),
            QStringLiteral("Porte"));
        click(vault, "cmdBas");
        QCOMPARE(F::shownRows(vault), QStringList({ "Wifi||ab||", "Porte|1|||z" }));

        const QByteArray before = f.fileBytes();
        QPointer<frmPasswords> closing = vault;
        click(vault, "cmdCancel"); // nothing written
        QTRY_VERIFY(closing.isNull());
        QCOMPARE(f.fileBytes(), before);
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
