#include "JourneyBar.h"
#include "common/CryptRC4.h"
#include "vault/LegacyVaultFile.h"
#include "vault/PasswordCheck.h"
#include "vault/VaultFile.h"
#include "vault/VaultWindows.h"
#include "vault/frmGetPassword.h"
#include "vault/frmPasswords.h"

#include <QClipboard>
#include <QPointer>
#include <QTimer>
#include <QtTest>

namespace {

// The vault button clicked, the passwords typed and "Valider" clicked; the dialog once its check
// is over (null when it closed).
frmGetPassword* validate(JourneyBar& journey, const QString& current, const QString& fresh = {},
    const QString& confirmation = {})
{
    click(journey.bar.get(), "pictPassword");
    QPointer<frmGetPassword> dialog = JourneyBar::window<frmGetPassword>();
    if (!dialog)
        return nullptr;
    if (!current.isEmpty())
        type(dialog, "txtPassword", current);
    type(dialog, "txtNewPassword", fresh);
    type(dialog, "txtConfirmNewPassword", confirmation);
    click(dialog, "cmdValide");
    if (!QTest::qWaitFor([&dialog] { return dialog.isNull() || !dialog->isWorking(); }, 20000))
        return nullptr;
    return dialog && dialog->isVisible() ? dialog.data() : nullptr;
}

frmPasswords* unlock(JourneyBar& journey, const QString& current, const QString& fresh = {},
    const QString& confirmation = {})
{
    if (frmGetPassword* refused = validate(journey, current, fresh, confirmation)) {
        click(refused, "cmdCancel");
        return nullptr;
    }
    return JourneyBar::window<frmPasswords>();
}

// The vault window's rows as "a|b|c|d|e" texts.
QStringList shownRows(const QWidget* vault)
{
    auto* list = control<QTreeWidget>(vault, "lvPasswords");
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QStringList cells;
        for (int column = 0; column < 5; ++column)
            cells.append(list->topLevelItem(i)->text(column));
        rows.append(cells.join(QLatin1Char('|')));
    }
    return rows;
}

void addRow(const QWidget* vault, const QStringList& fields)
{
    static const char* const kBoxes[]
        = { "txtDescriptif", "txtData1", "txtData2", "txtData3", "txtData4" };
    click(vault, "cmdAdd");
    for (int n = 0; n < fields.size(); ++n)
        type(vault, kBoxes[n], fields[n]);
    click(vault, "cmdConfirmAddMod");
}

// Clicks a button that closes the window and waits until it has (a save first derives a key).
bool closeWith(frmPasswords* vault, const char* button)
{
    QPointer<frmPasswords> closing = vault;
    click(vault, button);
    return QTest::qWaitFor([&closing] { return closing.isNull() || !closing->isVisible(); }, 20000);
}

bool enabled(const QWidget* vault, const char* name)
{
    return control(vault, name)->isEnabled();
}

// Fills an empty vault window through every kind of row edit; the rows it then shows.
QStringList editRows(JourneyBar& journey, frmPasswords* vault)
{
    const auto& messages = journey.dialogs.messages;
    auto* list = control<QTreeWidget>(vault, "lvPasswords");
    click(vault, "cmdMod");
    if (messages.value(0).text
        != QStringLiteral("Il n'y a pas de donn\u00E9es personnelles \u00E0 modifier (table vide)"))
        return { "no warning on an empty table" };
    addRow(vault, { "Banque en ligne", "client 0042137", "code 5821" });

    // While a row is edited the list and the window's buttons wait; a ";" keeps the panel open.
    click(vault, "cmdAdd");
    if (enabled(vault, "lvPasswords") || enabled(vault, "cmdValide") || enabled(vault, "cmdCancel")
        || !enabled(vault, "txtData4"))
        return { "the list stays usable during an edit" };
    type(vault, "txtDescriptif", "Wifi maison");
    type(vault, "txtData1", "Livebox;3F2A");
    click(vault, "cmdConfirmAddMod");
    if (messages.value(1).text
            != QStringLiteral("Le champ \u00AB Donn\u00E9e personnelle #1 \u00BB ne peut pas "
                              "contenir le caract\u00E8re \u00AB ; \u00BB.")
        || enabled(vault, "lvPasswords"))
        return { "a ';' is taken" };
    type(vault, "txtData1", "Livebox-3F2A");
    type(vault, "txtData4", "5 GHz");
    click(vault, "cmdConfirmAddMod");
    addRow(vault, {}); // an empty row is a row
    addRow(vault, { "Porte", "1" });
    addRow(vault, { "Cave" });

    // A modification cancelled, an addition ended by Escape (not the window), a row moved and
    // modified where it went.
    JourneyBar::clickRow(list, 3);
    click(vault, "cmdMod");
    type(vault, "txtDescriptif", "Garage");
    click(vault, "cmdCancelItem");
    click(vault, "cmdAdd");
    QTest::keyClick(vault, Qt::Key_Escape);
    if (!vault->isVisible() || !enabled(vault, "lvPasswords") || enabled(vault, "txtDescriptif"))
        return { "Escape did not end the edit only" };
    JourneyBar::clickRow(list, 3);
    click(vault, "cmdHaut");
    click(vault, "cmdMod");
    type(vault, "txtData4", "z");
    click(vault, "cmdConfirmAddMod");
    click(vault, "cmdBas");

    // The ends and no selection move nothing; delete asks first, nothing selected nothing asked.
    JourneyBar::clickRow(list, 0);
    click(vault, "cmdHaut");
    list->clearSelection();
    click(vault, "cmdHaut");
    journey.dialogs.answers = { false, true };
    click(vault, "cmdDel");
    JourneyBar::clickRow(list, 4);
    click(vault, "cmdBas");
    click(vault, "cmdDel");
    click(vault, "cmdDel");
    if (messages.size() != 4
        || messages[2].text
            != QStringLiteral("\u00CAtes-vous s\u00FBr de vouloir supprimer cette ligne ?"))
        return { "delete did not ask once per click on a selected row" };
    return shownRows(vault);
}

bool settingsMentionPassword(const JourneyBar& journey)
{
    QFile ini(journey.settings->filePath(QStringLiteral("Tolvane")));
    return !ini.open(QIODevice::ReadOnly) || ini.readAll().toLower().contains("password");
}

} // namespace

// The vault through the whole bar and its real windows, at the real cost of the key derivation.
class TestVaultJourney : public QObject {
    Q_OBJECT
private slots:
    void old_vault_is_converted_at_first_opening_then_opens_with_its_password_only()
    {
        JourneyBar journey;
        const QString oldFile = journey.dataFile(LegacyVaultFile::fileName());
        writeBytes(oldFile,
            ReferenceRC4::encipherFile(
                { "[PASS];ancien", "Banque;client 42;code 5821;;", "Wifi;cl\u00E9;;;" }));
        cCryptRC4 rc4;
        rc4.Key(cCryptRC4::kFixedKey);
        QVERIFY(journey.settings->save(Keys::Password, rc4.Crypt(QStringLiteral("ancien"))));
        const QStringList rows { "Banque|client 42|code 5821||", "Wifi|cl\u00E9|||" };
        journey.start();

        click(journey.bar.get(), "pictPassword");
        QPointer<frmGetPassword> dialog = JourneyBar::window<frmGetPassword>();
        QVERIFY(dialog);
        type(dialog, "txtPassword", "ancien");
        int ticks = 0;
        QTimer clock;
        connect(&clock, &QTimer::timeout, [&ticks] { ++ticks; });
        clock.start(10);
        click(dialog, "cmdValide");
        QVERIFY(dialog->isWorking() && control(dialog, "labWorking")->isVisible()
            && control(dialog, "pbWorking")->isVisible());
        QVERIFY(!control(dialog, "cmdValide")->isEnabled()
            && !control(dialog, "txtPassword")->isEnabled());
        dialog->close(); // not while a vault is being written
        QVERIFY(dialog->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull() || !dialog->isVisible(), 20000);
        QVERIFY2(ticks >= 5, "the window's thread waited for the key derivation");

        frmPasswords* vault = JourneyBar::window<frmPasswords>();
        QVERIFY(vault);
        QCOMPARE(shownRows(vault), rows);
        QCOMPARE(journey.dialogs.messages.size(), 1);
        QCOMPARE(journey.dialogs.messages[0].icon, Dialogs::Icon::Information);
        QCOMPARE(journey.dialogs.messages[0].text, PasswordCheck::convertedText());
        QVERIFY(!QFile::exists(oldFile));
        QVERIFY(!settingsMentionPassword(journey));
        QVERIFY(closeWith(vault, "cmdCancel"));

        // A wrong password empties the field and keeps the dialog, which a click brings forward.
        journey.restart();
        frmGetPassword* refused = validate(journey, "Ancien");
        QVERIFY(refused);
        QCOMPARE(journey.dialogs.messages.last().icon, Dialogs::Icon::Critical);
        QCOMPARE(journey.dialogs.messages.last().text, PasswordCheck::wrongPasswordText());
        QVERIFY(control<QLineEdit>(refused, "txtPassword")->text().isEmpty());
        vault = unlock(journey, "ancien");
        QVERIFY(vault);
        QVERIFY(!JourneyBar::window<frmGetPassword>());
        QCOMPARE(shownRows(vault), rows);
        QCOMPARE(journey.dialogs.messages.size(), 2); // the conversion was told once
        QVERIFY(!settingsMentionPassword(journey));
        click(journey.bar.get(), "pictPassword"); // the open vault comes forward, no dialog
        QVERIFY(!JourneyBar::window<frmGetPassword>());
        QCOMPARE(JourneyBar::window<frmPasswords>(), vault);
    }

    void vault_created_filled_changed_and_reopened_after_restarts()
    {
        JourneyBar journey;
        journey.start();
        click(journey.bar.get(), "pictPassword");
        auto* first = JourneyBar::window<frmGetPassword>();
        QVERIFY(first && !control(first, "txtPassword")->isEnabled()); // no vault yet
        for (const char* box : { "txtPassword", "txtNewPassword", "txtConfirmNewPassword" })
            QCOMPARE(control<QLineEdit>(first, box)->echoMode(), QLineEdit::Password);
        frmPasswords* vault = unlock(journey, {}, "depart-2005", "depart-2005");
        QVERIFY(vault);
        const QStringList rows = editRows(journey, vault);
        QCOMPARE(rows,
            QStringList({ "Banque en ligne|client 0042137|code 5821||",
                "Wifi maison|Livebox-3F2A|||5 GHz", "||||", "Porte|1|||z" }));
        // A save that cannot be written is told and loses nothing; the next "Valider" goes through.
        const QString path = journey.dataFile(VaultFile::fileName());
        {
            WritesRefused refused(journey.paths.dataDir);
            click(vault, "cmdValide");
            QTRY_VERIFY_WITH_TIMEOUT(!vault->isSaving(), 20000);
        }
        QCOMPARE(journey.dialogs.messages.last().icon, Dialogs::Icon::Critical);
        QCOMPARE(journey.dialogs.messages.last().text, PasswordCheck::writeProblemText(path));
        QVERIFY(vault->isVisible() && enabled(vault, "cmdValide"));
        QCOMPARE(shownRows(vault), rows);
        QVERIFY(closeWith(vault, "cmdValide"));
        QCOMPARE(
            QFile::permissions(path) & 0x7077, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

        journey.restart();
        vault = unlock(journey, "depart-2005", "suite", "suite");
        QVERIFY(vault);
        QCOMPARE(shownRows(vault), rows);
        QVERIFY(closeWith(vault, "cmdCancel"));

        journey.restart();
        QVERIFY(!unlock(journey, "depart-2005"));
        vault = unlock(journey, "suite");
        QVERIFY(vault);
        QCOMPARE(shownRows(vault), rows);
        QCOMPARE(journey.dialogs.messages.size(), 6); // four editing, the failed save, the password

        // A double click copies a cell for a short while, unless the clipboard changed meanwhile.
        journey.bar->findChild<VaultWindows*>()->clipboard().setDelay(
            std::chrono::milliseconds(50));
        QClipboard* clipboard = QGuiApplication::clipboard();
        auto* list = control<QTreeWidget>(vault, "lvPasswords");
        emit list->itemDoubleClicked(list->topLevelItem(0), 1);
        QCOMPARE(clipboard->text(), QStringLiteral("client 0042137"));
        QTRY_COMPARE(clipboard->text(), QString());
        vault->copyCell(0, 0);
        clipboard->setText(QStringLiteral("autre chose"));
        QTest::qWait(150);
        QCOMPARE(clipboard->text(), QStringLiteral("autre chose"));
        QVERIFY(!settingsMentionPassword(journey));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("TolvaneVault") && !bytes.contains("Banque"));
    }
};

QTEST_MAIN(TestVaultJourney)
#include "TestVaultJourney.moc"
