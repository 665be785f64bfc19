#include "ChildLimits.h"
#include "VaultFixture.h"
#include "vault/MasterPassword.h"
#include "vault/PasswordCheck.h"
#include "vault/VaultStore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using Status = VaultStore::Result::Status;

namespace {

const VaultRows kRows { vaultRow("Banque", "client 42", "code 5821"), vaultRow("Wifi", "cl\u00E9"),
    vaultRow({}) };
const QStringList kOldLines { "[PASS];ancien", "Banque;client 42;code 5821;;", "Wifi;cl\u00E9;;;",
    ";;;;" };

void putOldVault(const TestApp& app)
{
    writeBytes(
        app.context.dataPath(LegacyVaultFile::fileName()), ReferenceRC4::encipherFile(kOldLines));
    storeOldPassword(*app.settings, "ancien");
}

// The rows the dialog opens with this password, with nothing else typed; none when it refuses.
std::optional<VaultRows> opensWith(TestApp& app, const KdfParameters& kdf, const QString& password)
{
    PasswordCheck check(*app.settings, VaultStore(app.dataDir(), kdf));
    PasswordCheck::Outcome outcome = check.Validate(password, {}, {});
    if (!outcome.opensVault)
        return std::nullopt;
    return outcome.unlock.rows;
}

// Runs body in a child process, killed after killAfter microseconds unless it ends first (never
// when negative); how long the child ran.
qint64 runChildKilledAfter(const std::function<void()>& body, qint64 killAfter = -1)
{
    QElapsedTimer timer;
    timer.start();
    const pid_t child = fork();
    if (child == 0) {
        body();
        _exit(0);
    }
    if (killAfter >= 0) {
        usleep(useconds_t(killAfter));
        kill(child, SIGKILL);
    }
    waitpid(child, nullptr, 0);
    return timer.nsecsElapsed() / 1000;
}

} // namespace

class TestVaultStore : public QObject {
    Q_OBJECT
private slots:
    void conversion_cut_short_by_a_full_disk_keeps_the_old_file_and_password()
    {
        TestApp app(false);
        putOldVault(app);
        const QByteArray oldFile = readBytes(app.context.dataPath(LegacyVaultFile::fileName()));
        const QByteArray settings = readBytes(app.settings->filePath("Tolvane"));
        const int refused = runWithFileSizeLimit(100, [&app] {
            PasswordCheck check(*app.settings, VaultStore(app.dataDir(), cheapKdf()));
            const PasswordCheck::Outcome outcome = check.Validate("ancien", "neuf", "neuf");
            return !outcome.opensVault
                && outcome.message
                == PasswordCheck::conversionFailedText(
                    PasswordCheck::writeProblemText(app.context.dataPath(VaultFile::fileName())));
        });
        QCOMPARE(refused, 1);
        QCOMPARE(readBytes(app.context.dataPath(LegacyVaultFile::fileName())), oldFile);
        QCOMPARE(readBytes(app.settings->filePath("Tolvane")), settings);
        QCOMPARE(QDir(app.dataDir()).entryList(QDir::Files | QDir::Hidden),
            QStringList { LegacyVaultFile::fileName() });
        QCOMPARE(opensWith(app, cheapKdf(), "ancien"), kRows);
    }

    void conversion_refuses_an_old_file_under_another_password()
    {
        TestApp app(false);
        putOldVault(app);
        storeOldPassword(*app.settings, "autre");
        PasswordCheck check(*app.settings, VaultStore(app.dataDir(), cheapKdf()));
        const PasswordCheck::Outcome outcome = check.Validate("autre", {}, {});
        QVERIFY(!outcome.opensVault);
        QCOMPARE(outcome.message, PasswordCheck::oldFileMismatchText());
        QVERIFY(QFile::exists(app.context.dataPath(LegacyVaultFile::fileName())));
        QVERIFY(!QFile::exists(app.context.dataPath(VaultFile::fileName())));
        QCOMPARE(MasterPassword::Current(*app.settings), QStringLiteral("autre"));
    }

    void old_file_left_by_a_cut_conversion_goes_once_the_vault_holds_its_rows()
    {
        TestApp app(false);
        putOldVault(app);
        VaultStore store(app.dataDir(), cheapKdf());
        QVERIFY(store.save(SecretBytes::fromText("ancien"), kRows + VaultRows { vaultRow("Neuf") })
                    .done());
        QCOMPARE(opensWith(app, cheapKdf(), "ancien")->size(), kRows.size() + 1);
        QVERIFY(!QFile::exists(store.legacyPath()));
        QVERIFY(!settingsMentionPassword(app));

        // An old file holding a row the vault lacks is not the vault's: it stays.
        putOldVault(app);
        QVERIFY(store.save(SecretBytes::fromText("ancien"), kRows.mid(1)).done());
        QCOMPARE(opensWith(app, cheapKdf(), "ancien"), kRows.mid(1));
        QVERIFY(QFile::exists(store.legacyPath()));
    }

    void kills_during_a_change_or_a_conversion_leave_one_password_that_opens_every_row_data()
    {
        QTest::addColumn<bool>("converting");
        QTest::newRow("change") << false;
        QTest::newRow("conversion with a new password") << true;
    }
    void kills_during_a_change_or_a_conversion_leave_one_password_that_opens_every_row()
    {
        QFETCH(bool, converting);
        // Costly enough that the kills land in every step: derivations, write, clean-up.
        const KdfParameters kdf { 1, 2048 };
        const auto prepare = [&](TestApp& app) {
            if (converting)
                putOldVault(app);
            else
                QVERIFY(VaultStore(app.dataDir(), kdf)
                            .save(SecretBytes::fromText("ancien"), kRows)
                            .done());
        };
        const auto changePassword = [&](TestApp& app) {
            return [&app, kdf] {
                PasswordCheck(*app.settings, VaultStore(app.dataDir(), kdf))
                    .Validate("ancien", "neuf", "neuf");
            };
        };
        qint64 whole = 0;
        {
            TestApp app(false);
            prepare(app);
            whole = runChildKilledAfter(changePassword(app));
            QCOMPARE(opensWith(app, kdf, "neuf"), kRows);
        }
        int byNew = 0;
        for (int round = 0; round < 30; ++round) {
            TestApp app(false);
            prepare(app);
            const qint64 delay = QRandomGenerator::global()->bounded(whole + 1);
            runChildKilledAfter(changePassword(app), delay);
            const std::optional<VaultRows> fresh = opensWith(app, kdf, "neuf");
            const std::optional<VaultRows> old = fresh ? fresh : opensWith(app, kdf, "ancien");
            QVERIFY2(old == kRows, qPrintable(QStringLiteral("killed after %1 us").arg(delay)));
            byNew += fresh ? 1 : 0;
        }
        qInfo("whole change %lld us; the new password opened after %d of 30 kills", whole, byNew);
    }
};

QTEST_GUILESS_MAIN(TestVaultStore)
#include "TestVaultStore.moc"
