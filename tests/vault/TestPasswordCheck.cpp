#include "ChildLimits.h"
#include "DataRow.h"
#include "VaultFixture.h"
#include "vault/MasterPassword.h"
#include "vault/PasswordCheck.h"

#include <QFile>
#include <QTest>

// The dialog's outcome table, on a vault file and on an old vault before its conversion.
class TestPasswordCheck : public QObject {
    Q_OBJECT
private slots:
    void validation_outcomes_data()
    {
        QTest::addColumn<QString>("stored"); // "", "vault:<password>" or "old:<password>"
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("fresh");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("cleared");
        QTest::addColumn<QString>("opensAfter"); // the password that opens the vault afterwards
        const QString wrong = PasswordCheck::wrongPasswordText();
        const QString invalid = PasswordCheck::invalidPasswordText();
        const QString mismatch = PasswordCheck::confirmationMismatchText();
        // stored, current, fresh, confirmation; opens, message, cleared, opens after
        dataRow("first password, confirmation differs", "", "", "abc", "abd", false, mismatch, true,
            "");
        dataRow("first password, confirmation empty", "", "", "abc", "", false, invalid, true, "");
        dataRow("first password, both empty", "", "", "", "", false, invalid, true, "");
        for (const QString& kind : { QStringLiteral("vault:"), QStringLiteral("old:") }) {
            const auto row = [&kind](const char* name) { return kind + QLatin1String(name); };
            const QString pw = kind + "pw";
            dataRow(qPrintable(row("current empty")), pw, "", "x", "x", false, invalid, true, "pw");
            dataRow(qPrintable(row("current wrong")), pw, "pW", "x", "x", false, wrong, true, "pw");
            dataRow(qPrintable(row("right, one new field only")), pw, "pw", "x", "", true, "",
                false, "pw");
            dataRow(qPrintable(row("right, changed")), pw, "pw", "n\u00E9w", "n\u00E9w", true, "",
                false, "n\u00E9w");
            dataRow(qPrintable(row("right, new ones differ: opens unchanged")), pw, "pw", "x", "y",
                true, mismatch, false, "pw");
        }
    }
    void validation_outcomes()
    {
        QFETCH(QString, stored);
        QFETCH(QString, current);
        QFETCH(QString, fresh);
        QFETCH(QString, confirmation);
        QFETCH(QString, opensAfter);
        VaultFixture f;
        const VaultRows rows { vaultRow("Banque", "1234") };
        const QString storedPassword = stored.section(':', 1);
        if (stored.startsWith("vault:"))
            f.putVault(storedPassword, rows);
        if (stored.startsWith("old:")) {
            storeOldPassword(*f.app.settings, storedPassword);
            writeBytes(f.legacyPath(),
                ReferenceRC4::encipherFile({ "[PASS];" + storedPassword, "Banque;1234;;;" }));
        }
        PasswordCheck check(*f.app.settings, f.store());
        QCOMPARE(check.hasStoredPassword(), !stored.isEmpty());

        const PasswordCheck::Outcome outcome = check.Validate(current, fresh, confirmation);
        QTEST(outcome.opensVault, "opens");
        QTEST(outcome.message, "message");
        QTEST(outcome.clearFields, "cleared");
        const VaultRows expected = stored.isEmpty() ? VaultRows() : rows;
        if (outcome.opensVault) {
            QCOMPARE(outcome.unlock.rows, expected);
            QVERIFY(outcome.unlock.password == SecretBytes::fromText(opensAfter));
            // An old vault is converted by the opening, a new one written by its creation.
            QVERIFY(QFile::exists(f.vaultPath()));
            QCOMPARE(f.rowsOnDisk(opensAfter), expected);
            QVERIFY(!QFile::exists(f.legacyPath()));
            QVERIFY(!settingsMentionPassword(f.app));
        } else if (stored.startsWith("vault:")) {
            QCOMPARE(f.rowsOnDisk(opensAfter), expected);
        } else if (stored.startsWith("old:")) {
            QVERIFY(!QFile::exists(f.vaultPath()));
            QCOMPARE(MasterPassword::Current(*f.app.settings), opensAfter);
        } else {
            QVERIFY(!QFile::exists(f.vaultPath()));
        }
    }

    void vault_file_that_cannot_be_read_is_told_and_kept_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("damaged");
        dataRow("another program's file", QByteArray("not a vault at all, just some text"), true);
        dataRow("a folder in its place", QByteArray(), false);
    }
    void vault_file_that_cannot_be_read_is_told_and_kept()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, damaged);
        VaultFixture f;
        if (damaged)
            writeBytes(f.vaultPath(), file);
        else
            QVERIFY(QDir().mkpath(f.vaultPath()));
        PasswordCheck check(*f.app.settings, f.store());
        QVERIFY(check.hasStoredPassword());
        const PasswordCheck::Outcome outcome = check.Validate("pw", "n", "n");
        QVERIFY(!outcome.opensVault);
        QCOMPARE(outcome.message,
            damaged ? PasswordCheck::damagedText(f.vaultPath())
                    : PasswordCheck::readProblemText(f.vaultPath()));
        if (damaged)
            QCOMPARE(f.fileBytes(), file);
    }

    void change_cut_short_by_a_full_disk_opens_under_the_current_password()
    {
        VaultFixture f;
        const VaultRows rows { vaultRow("Banque", "1234"), vaultRow("Porte", "0000") };
        f.putVault("pw", rows);
        const QByteArray before = f.fileBytes();
        const int opened = runWithFileSizeLimit(before.size() - 1, [&f, &rows] {
            PasswordCheck check(*f.app.settings, f.store());
            const PasswordCheck::Outcome outcome = check.Validate("pw", "neuf", "neuf");
            return outcome.opensVault && outcome.unlock.rows == rows
                && outcome.unlock.password == SecretBytes::fromText("pw")
                && outcome.message == PasswordCheck::writeProblemText(f.vaultPath());
        });
        QCOMPARE(opened, 1);
        QCOMPARE(f.fileBytes(), before);
    }

    void unwritable_data_folder_refuses_the_first_password()
    {
        VaultFixture f;
        f.app.context.dataDir = f.app.dataDir() + "/absent";
        PasswordCheck check(*f.app.settings, VaultStore(f.app.context.dataDir, cheapKdf()));
        const PasswordCheck::Outcome outcome = check.Validate("", "new", "new");
        QVERIFY(!outcome.opensVault);
        QCOMPARE(outcome.message, PasswordCheck::writeProblemText(f.vaultPath()));
        QVERIFY(!check.hasStoredPassword());
    }
};

QTEST_MAIN(TestPasswordCheck)
#include "TestPasswordCheck.moc"
