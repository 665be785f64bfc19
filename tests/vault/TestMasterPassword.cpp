#include "DataRow.h"
#include "ReferenceRC4.h"
#include "TestApp.h"
#include "common/Cp1252.h"
#include "common/CryptRC4.h"
#include "shell/SettingsKeys.h"
#include "vault/MasterPassword.h"
#include "vault/PasswordCheck.h"

#include <QFile>
#include <QTest>

class TestMasterPassword : public QObject {
    Q_OBJECT
private slots:
    void every_code_0_to_255_survives_the_settings_file()
    {
        TestApp app(false);
        QString all;
        for (int code = 0; code < 256; ++code)
            all += Cp1252::charOf(static_cast<unsigned char>(code));
        // Each code alone and all of them in a row, as the next start reads the file.
        for (int code = 0; code < 256; ++code) {
            const QString value = QString(all[code]) + all[code] + QStringLiteral("x") + all[code];
            QVERIFY(app.settings->save(Keys::Password, value));
            QCOMPARE(SettingsStore(app.configDir()).value(Keys::Password), value);
        }
        QVERIFY(app.settings->save(Keys::Password, all));
        QCOMPARE(SettingsStore(app.configDir()).value(Keys::Password), all);
        QCOMPARE(Cp1252::encode(SettingsStore(app.configDir()).value(Keys::Password)).size(), 256);
    }

    void stored_form_is_the_enciphered_text_itself_data()
    {
        QTest::addColumn<QString>("password");
        QTest::newRow("three letters") << "abc";
        QTest::newRow("accents and symbols") << "\u00E9t\u00E9 \u20AC;=\\";
        QTest::newRow("one character") << "Z";
    }
    void stored_form_is_the_enciphered_text_itself()
    {
        QFETCH(QString, password);
        TestApp app(false);
        QVERIFY(MasterPassword::Store(*app.settings, password));
        const QString stored = SettingsStore(app.configDir()).value(Keys::Password);
        QCOMPARE(stored.size(), password.size());
        QCOMPARE(Cp1252::encode(stored),
            ReferenceRC4::rc4(ReferenceRC4::fixedKey(), Cp1252::encode(password)));
        cCryptRC4 rc4;
        rc4.Key(cCryptRC4::kFixedKey);
        QCOMPARE(stored, rc4.Crypt(password));
        QCOMPARE(MasterPassword::Current(SettingsStore(app.configDir())), password);
    }

    void password_beyond_windows_1252_is_kept_whole()
    {
        TestApp app(false);
        const QString password = QStringLiteral("\u043F\u0430\u0440\u043E\u043B\u044C \u2713");
        QVERIFY(MasterPassword::Store(*app.settings, password));
        QCOMPARE(MasterPassword::Current(SettingsStore(app.configDir())), password);
    }

    void validation_outcomes_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("fresh");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("cleared");
        QTest::addColumn<QString>("storedAfter");
        QTest::addColumn<bool>("changed");
        const QString wrong = PasswordCheck::wrongPasswordText();
        const QString invalid = PasswordCheck::invalidPasswordText();
        const QString mismatch = PasswordCheck::confirmationMismatchText();
        // stored, current, fresh, confirmation; opens, message, cleared, stored after, changed
        dataRow("first password created", "", "", "abc", "abc", true, "", false, "abc", true);
        dataRow("first password, confirmation differs", "", "", "abc", "abd", false, mismatch, true,
            "", false);
        dataRow("first password, confirmation empty", "", "", "abc", "", false, invalid, true, "",
            false);
        dataRow("first password, both empty", "", "", "", "", false, invalid, true, "", false);
        dataRow("stored, current empty", "pw", "", "x", "x", false, invalid, true, "pw", false);
        dataRow("stored, current wrong", "pw", "pW", "x", "x", false, wrong, true, "pw", false);
        dataRow("stored, right, no new password", "pw", "pw", "", "", true, "", false, "pw", false);
        dataRow(
            "stored, right, one new field only", "pw", "pw", "x", "", true, "", false, "pw", false);
        dataRow("stored, right, changed", "pw", "pw", "n\u00E9w", "n\u00E9w", true, "", false,
            "n\u00E9w", true);
        dataRow("stored, right, new ones differ: opens unchanged", "pw", "pw", "x", "y", true,
            mismatch, false, "pw", false);
    }
    void validation_outcomes()
    {
        QFETCH(QString, stored);
        QFETCH(QString, current);
        QFETCH(QString, fresh);
        QFETCH(QString, confirmation);
        TestApp app(false);
        if (!stored.isEmpty())
            QVERIFY(MasterPassword::Store(*app.settings, stored));
        PasswordCheck check(*app.settings);
        QCOMPARE(check.hasStoredPassword(), !stored.isEmpty());

        const PasswordCheck::Outcome outcome = check.Validate(current, fresh, confirmation);
        QTEST(outcome.opensVault, "opens");
        QTEST(outcome.message, "message");
        QTEST(outcome.clearFields, "cleared");
        QTEST(MasterPassword::Current(SettingsStore(app.configDir())), "storedAfter");
        QTEST(outcome.unlock.PasswordChanged, "changed");
        QCOMPARE(outcome.unlock.PreviousPassword, outcome.unlock.PasswordChanged ? current : "");
    }

    void unwritable_settings_refuse_the_new_password()
    {
        TestApp app(false);
        QVERIFY(MasterPassword::Store(*app.settings, "old"));
        const QString file = app.settings->filePath(QLatin1String(SettingsKeys::kApplication));
        QVERIFY(QFile::remove(file) && QDir().mkpath(file)); // a folder where the file goes
        PasswordCheck check(*app.settings);
        const PasswordCheck::Outcome outcome = check.Validate("", "new", "new");
        QVERIFY(!outcome.opensVault);
        QVERIFY(outcome.message.startsWith(QStringLiteral("Probl\u00E8me d'acc\u00E8s")));
        QVERIFY(!outcome.unlock.PasswordChanged);
    }
};

QTEST_GUILESS_MAIN(TestMasterPassword)
#include "TestMasterPassword.moc"
