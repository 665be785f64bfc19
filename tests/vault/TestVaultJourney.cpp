#include "VaultFixture.h"
#include "app/frmTolvane.h"
#include "vault/PasswordCheck.h"

#include <QPointer>
#include <QTimer>
#include <QtTest>

namespace {

using F = VaultFixture;

// The bar started afresh on the same folders, as after a restart.
struct Bar {
    explicit Bar(TestApp& app)
        : window(app.context)
    {
        window.Start();
    }
    frmTolvane window;

    // Clicks the vault button, types the passwords and validates; the vault window once the
    // check is over, null when the dialog stays.
    frmPasswords* unlock(
        const QString& current, const QString& fresh = {}, const QString& confirmation = {})
    {
        click(&window, "pictPassword");
        QPointer<frmGetPassword> dialog;
        for (frmGetPassword* open : window.findChildren<frmGetPassword*>()) {
            if (open->isVisible()) // not one closed and waiting to be deleted
                dialog = open;
        }
        if (!dialog)
            return nullptr;
        if (!current.isEmpty())
            type(dialog, "txtPassword", current);
        type(dialog, "txtNewPassword", fresh);
        type(dialog, "txtConfirmNewPassword", confirmation);
        click(dialog, "cmdValide");
        if (!QTest::qWaitFor([&dialog] { return dialog.isNull() || !dialog->isWorking(); }, 20000))
            return nullptr;
        frmPasswords* vault = window.findChild<frmPasswords*>();
        return vault && vault->isVisible() ? vault : nullptr;
    }
};

} // namespace

// The vault through the real bar and its real windows, at the real cost of the key derivation.
class TestVaultJourney : public QObject {
    Q_OBJECT

    static TestApp* newApp()
    {
        auto* app = new TestApp;
        app->settings->save(Keys::SplashScreen, QStringLiteral("0"));
        return app;
    }

private slots:
    void old_vault_is_converted_at_first_opening_then_opens_with_its_password_only()
    {
        std::unique_ptr<TestApp> app(newApp());
        const QString oldPath = app->context.dataPath(LegacyVaultFile::fileName());
        writeBytes(oldPath,
            ReferenceRC4::encipherFile(
                { "[PASS];ancien", "Banque;client 42;code 5821;;", "Wifi;cl\u00E9;;;" }));
        storeOldPassword(*app->settings, "ancien");
        const QStringList rows { "Banque|client 42|code 5821||", "Wifi|cl\u00E9|||" };
        {
            Bar bar(*app);
            click(&bar.window, "pictPassword");
            QPointer<frmGetPassword> dialog = bar.window.findChild<frmGetPassword*>();
            type(dialog, "txtPassword", "ancien");
            int ticks = 0;
            QTimer clock;
            connect(&clock, &QTimer::timeout, [&ticks] { ++ticks; });
            clock.start(10);
            click(dialog, "cmdValide");
            QVERIFY(dialog->isWorking() && control(dialog, "labWorking")->isVisible());
            QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull(), 20000);
            QVERIFY2(ticks >= 5, "the window's thread waited for the key derivation");

            QPointer<frmPasswords> vault = bar.window.findChild<frmPasswords*>();
            QVERIFY(vault && vault->isVisible());
            QCOMPARE(F::shownRows(vault), rows);
            QCOMPARE(app->fakes.dialogs.messages.size(), 1);
            QCOMPARE(app->fakes.dialogs.messages[0].icon, Dialogs::Icon::Information);
            QCOMPARE(app->fakes.dialogs.messages[0].text, PasswordCheck::convertedText());
            QVERIFY(!QFile::exists(oldPath));
            QVERIFY(!settingsMentionPassword(*app));
            click(vault, "cmdCancel");
            QTRY_VERIFY(vault.isNull());
        }
        Bar bar(*app);
        QVERIFY(!bar.unlock("Ancien"));
        QCOMPARE(app->fakes.dialogs.messages.last().text, PasswordCheck::wrongPasswordText());
        click(bar.window.findChild<frmGetPassword*>(), "cmdCancel");
        frmPasswords* vault = bar.unlock("ancien");
        QVERIFY(vault);
        QCOMPARE(F::shownRows(vault), rows);
        QCOMPARE(app->fakes.dialogs.messages.size(), 2); // the conversion was told once
        QVERIFY(!settingsMentionPassword(*app));
    }

    void vault_created_filled_changed_and_reopened_after_restarts()
    {
        std::unique_ptr<TestApp> app(newApp());
        {
            Bar bar(*app);
            frmPasswords* vault = bar.unlock({}, "depart-2005", "depart-2005");
            QVERIFY(vault);
            F::addRow(vault, { "Banque en ligne", "client 0042137", "code 5821" });
            F::addRow(vault, { "Wifi maison", "Livebox-3F2A" });
            QVERIFY(F::confirm(vault));
        }
        const QString path = app->context.dataPath(VaultFile::fileName());
        QCOMPARE(
            QFile::permissions(path) & 0x7077, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QVERIFY(!readBytes(path).contains("Banque"));
        const QStringList rows { "Banque en ligne|client 0042137|code 5821||",
            "Wifi maison|Livebox-3F2A|||" };
        {
            Bar bar(*app);
            frmPasswords* vault = bar.unlock("depart-2005", "suite", "suite");
            QVERIFY(vault);
            QCOMPARE(F::shownRows(vault), rows);
            click(vault, "cmdCancel");
        }
        Bar bar(*app);
        QVERIFY(!bar.unlock("depart-2005"));
        click(bar.window.findChild<frmGetPassword*>(), "cmdCancel");
        frmPasswords* vault = bar.unlock("suite");
        QVERIFY(vault);
        QCOMPARE(F::shownRows(vault), rows);
        QCOMPARE(app->fakes.dialogs.messages.size(), 1);
        QVERIFY(!settingsMentionPassword(*app));
    }
};

QTEST_MAIN(TestVaultJourney)
#include "TestVaultJourney.moc"
