#include "JourneyBar.h"
#include "VaultControls.h"
#include "common/CryptRC4.h"
#include "vault/LegacyVaultFile.h"
#include "vault/PasswordCheck.h"
#include "vault/VaultFile.h"
#include "vault/frmGetPassword.h"
#include "vault/frmPasswords.h"

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
    QPointer<frmGetPassword> dialog = JourneyBar::window<frmGetPassword>("frmGetPassword");
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
    return JourneyBar::window<frmPasswords>("frmPasswords");
}

using VaultControls::addRow;
using VaultControls::shownRows;

// Clicks a button that closes the window and waits until it has (a save first derives a key).
bool closeWith(frmPasswords* vault, const char* button)
{
    QPointer<frmPasswords> closing = vault;
    click(vault, button);
    return QTest::qWaitFor([&closing] { return closing.isNull() || !closing->isVisible(); }, 20000);
}

bool settingsMentionPassword(const JourneyBar& journey)
{
    QFile ini(journey.settings->filePath(QStringLiteral("Tolvane")));
    return !ini.open(QIODevice::ReadOnly) || ini.readAll().toLower().contains("password");
}

void restart(JourneyBar& journey)
{
    journey.bar.reset();
    journey.start();
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
        QFile old(oldFile);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(ReferenceRC4::encipherFile(
            { "[PASS];ancien", "Banque;client 42;code 5821;;", "Wifi;cl\u00E9;;;" }));
        old.close();
        cCryptRC4 rc4;
        rc4.Key(cCryptRC4::kFixedKey);
        QVERIFY(journey.settings->save(Keys::Password, rc4.Crypt(QStringLiteral("ancien"))));
        const QStringList rows { "Banque|client 42|code 5821||", "Wifi|cl\u00E9|||" };
        journey.start();

        click(journey.bar.get(), "pictPassword");
        QPointer<frmGetPassword> dialog = JourneyBar::window<frmGetPassword>("frmGetPassword");
        QVERIFY(dialog);
        type(dialog, "txtPassword", "ancien");
        int ticks = 0;
        QTimer clock;
        connect(&clock, &QTimer::timeout, [&ticks] { ++ticks; });
        clock.start(10);
        click(dialog, "cmdValide");
        QVERIFY(dialog->isWorking() && control(dialog, "labWorking")->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull() || !dialog->isVisible(), 20000);
        QVERIFY2(ticks >= 5, "the window's thread waited for the key derivation");

        frmPasswords* vault = JourneyBar::window<frmPasswords>("frmPasswords");
        QVERIFY(vault);
        QCOMPARE(shownRows(vault), rows);
        QCOMPARE(journey.dialogs.messages.size(), 1);
        QCOMPARE(journey.dialogs.messages[0].icon, Dialogs::Icon::Information);
        QCOMPARE(journey.dialogs.messages[0].text, PasswordCheck::convertedText());
        QVERIFY(!QFile::exists(oldFile));
        QVERIFY(!settingsMentionPassword(journey));
        QVERIFY(closeWith(vault, "cmdCancel"));

        restart(journey);
        QVERIFY(!unlock(journey, "Ancien"));
        QCOMPARE(journey.dialogs.messages.last().text, PasswordCheck::wrongPasswordText());
        vault = unlock(journey, "ancien");
        QVERIFY(vault);
        QCOMPARE(shownRows(vault), rows);
        QCOMPARE(journey.dialogs.messages.size(), 2); // the conversion was told once
        QVERIFY(!settingsMentionPassword(journey));
    }

    void vault_created_filled_changed_and_reopened_after_restarts()
    {
        JourneyBar journey;
        journey.start();
        frmPasswords* vault = unlock(journey, {}, "depart-2005", "depart-2005");
        QVERIFY(vault);
        addRow(vault, { "Banque en ligne", "client 0042137", "code 5821" });
        addRow(vault, { "Wifi maison", "Livebox-3F2A" });
        QVERIFY(closeWith(vault, "cmdValide"));
        const QString path = journey.dataFile(VaultFile::fileName());
        QCOMPARE(
            QFile::permissions(path) & 0x7077, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        const QStringList rows { "Banque en ligne|client 0042137|code 5821||",
            "Wifi maison|Livebox-3F2A|||" };

        restart(journey);
        vault = unlock(journey, "depart-2005", "suite", "suite");
        QVERIFY(vault);
        QCOMPARE(shownRows(vault), rows);
        QVERIFY(closeWith(vault, "cmdCancel"));

        restart(journey);
        QVERIFY(!unlock(journey, "depart-2005"));
        vault = unlock(journey, "suite");
        QVERIFY(vault);
        QCOMPARE(shownRows(vault), rows);
        QCOMPARE(journey.dialogs.messages.size(), 1);
        QVERIFY(!settingsMentionPassword(journey));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("TolvaneVault") && !bytes.contains("Banque"));
    }
};

QTEST_MAIN(TestVaultJourney)
#include "TestVaultJourney.moc"
