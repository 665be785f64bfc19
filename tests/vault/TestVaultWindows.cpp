#include "ReferenceRC4.h"
#include "VaultFixture.h"
#include "common/Cp1252.h"
#include "shell/SettingsKeys.h"
#include "vault/MasterPassword.h"

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
        QCOMPARE(f.app.settings->value(Keys::Password).size(), 3);
        QVERIFY(F::shownRows(vault).isEmpty());
        QCOMPARE(ReferenceRC4::decipherFile(f.fileBytes()), QStringList { "[PASS];abc" });

        F::addRow(vault, { "Banque", "1234" });
        F::addRow(vault, { "Banque", "a", "b", "c", "d" });
        F::addRow(vault, {}); // an empty row is kept too
        QCOMPARE(F::shownRows(vault), QStringList({ "Banque|1234|||", "Banque|a|b|c|d", "||||" }));
        QPointer<frmPasswords> closing = vault;
        click(vault, "cmdValide");
        QTRY_VERIFY(closing.isNull());
        QCOMPARE(ReferenceRC4::decipherFile(f.fileBytes()),
            QStringList({ "[PASS];abc", "Banque;1234;;;", "Banque;a;b;c;d", ";;;;" }));

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
        QVERIFY(MasterPassword::Store(*f.app.settings, "pw"));
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
        QCOMPARE(MasterPassword::Current(*f.app.settings), QStringLiteral("pw"));
    }

    void changed_password_rewrites_the_first_line_and_keeps_the_rows()
    {
        VaultFixture f;
        QVERIFY(MasterPassword::Store(*f.app.settings, "old"));
        f.putFile(ReferenceRC4::encipherFile({ "[PASS];old", "Mail;jo;x;;" }));
        frmPasswords* vault = f.unlock("old", "neu", "neu");
        QVERIFY(vault);
        QCOMPARE(F::shownRows(vault), QStringList { "Mail|jo|x||" });
        QCOMPARE(ReferenceRC4::decipherFile(f.fileBytes()),
            QStringList({ "[PASS];neu", "Mail;jo;x;;" }));
        QCOMPARE(MasterPassword::Current(*f.app.settings), QStringLiteral("neu"));
        f.windows.open(); // the open vault comes forward; no second dialog
        QVERIFY(!f.windows.passwordDialog() || !f.windows.passwordDialog()->isVisible());
        QCOMPARE(f.windows.vaultWindow(), vault);
    }

    void failed_writes_are_told_and_lose_nothing()
    {
        VaultFixture f;
        QVERIFY(MasterPassword::Store(*f.app.settings, "old"));
        const QString dataDir = f.app.dataDir() + "/absent";
        f.app.context.dataDir = dataDir;
        const QString writeProblem
            = QStringLiteral("Probl\u00E8me d'acc\u00E8s en \u00E9criture : ") + f.vaultPath();

        // A change whose file cannot be written keeps the old password in the settings.
        frmPasswords* vault = f.unlock("old", "neu", "neu");
        QVERIFY(vault);
        QCOMPARE(f.app.fakes.dialogs.messages.size(), 1);
        QCOMPARE(f.app.fakes.dialogs.messages[0].text, writeProblem);
        QCOMPARE(MasterPassword::Current(*f.app.settings), QStringLiteral("old"));

        F::addRow(vault, { "Code", "0000" });
        click(vault, "cmdValide");
        QCOMPARE(f.app.fakes.dialogs.messages.size(), 2);
        QCOMPARE(f.app.fakes.dialogs.messages[1].icon, Dialogs::Icon::Critical);
        QCOMPARE(f.app.fakes.dialogs.messages[1].text, writeProblem);
        QTest::qWait(10);
        QVERIFY(vault->isVisible());
        QCOMPARE(F::shownRows(vault), QStringList { "Code|0000|||" });

        QVERIFY(QDir().mkpath(dataDir));
        QPointer<frmPasswords> closing = vault;
        click(vault, "cmdValide");
        QTRY_VERIFY(closing.isNull());
        QCOMPARE(ReferenceRC4::decipherFile(f.fileBytes()),
            QStringList({ "[PASS];old", "Code;0000;;;" }));
    }

    void file_under_another_password_is_neither_shown_nor_overwritten()
    {
        VaultFixture f;
        QVERIFY(MasterPassword::Store(*f.app.settings, "pw"));
        const QByteArray other = ReferenceRC4::encipherFile({ "[PASS];autre", "Secret;1;;;" });
        f.putFile(other);
        frmPasswords* vault = f.unlock("pw");
        QVERIFY(vault);
        QCOMPARE(f.app.fakes.dialogs.messages.size(), 1);
        QCOMPARE(f.app.fakes.dialogs.messages[0].icon, Dialogs::Icon::Critical);
        QCOMPARE(f.app.fakes.dialogs.messages[0].text,
            QStringLiteral("Le mot de passe que vous avez entr\u00E9 ne correspond pas au mot de "
                           "passe\nutilis\u00E9 pour crypter le fichier contenant vos "
                           "donn\u00E9es confidentielles.\n\nD\u00E9codage du fichier "
                           "annul\u00E9."));
        QVERIFY(F::shownRows(vault).isEmpty());
        F::addRow(vault, { "Nouveau" });
        QPointer<frmPasswords> closing = vault;
        click(vault, "cmdValide");
        QTRY_VERIFY(closing.isNull());
        QCOMPARE(f.fileBytes(), other);

        // Nor by a password change made while the file holds another password.
        QVERIFY(f.unlock("pw", "x", "x"));
        QCOMPARE(f.fileBytes(), other);
    }

    void deleting_every_row_is_written_and_stays_deleted()
    {
        VaultFixture f;
        QVERIFY(MasterPassword::Store(*f.app.settings, "pw"));
        f.putFile(ReferenceRC4::encipherFile({ "[PASS];pw", "A;;;;", "B;;;;" }));
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
        QPointer<frmPasswords> closing = vault;
        click(vault, "cmdValide");
        QTRY_VERIFY(closing.isNull());
        QCOMPARE(ReferenceRC4::decipherFile(f.fileBytes()), QStringList { "[PASS];pw" });
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

        QPointer<frmPasswords> closing = vault;
        click(vault, "cmdCancel"); // nothing written
        QTRY_VERIFY(closing.isNull());
        QCOMPARE(ReferenceRC4::decipherFile(f.fileBytes()), QStringList { "[PASS];k" });
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
