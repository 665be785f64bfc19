#include "VaultFixture.h"
#include "vault/VaultStore.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The vault file as another program reads and writes it from the format's description: a
// Python script with PyNaCl (tests/vault/vault_peer.py).
class TestVaultInterop : public QObject {
    Q_OBJECT

    QString m_python;
    QTemporaryDir m_dir;
    const VaultRows m_rows { vaultRow("Banque", "client 0042137", "code 5821"),
        vaultRow("Wifi maison", "cl\u00E9 WPA2 : tr\u00E8s-longue-phrase"),
        vaultRow("\u65E5\u672C", {}, {}, {}, "\u2713"), vaultRow({}) };

    struct Run {
        int exitCode = -1;
        QByteArray output;
    };
    Run peer(const QStringList& arguments, const QByteArray& input = {}) const
    {
        QProcess process;
        process.start(m_python,
            QStringList {
                qEnvironmentVariable("TOLVANE_SOURCE_DIR") + "/tests/vault/vault_peer.py" }
                + arguments);
        process.write(input);
        process.closeWriteChannel();
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            return {};
        return { process.exitCode(), process.readAllStandardOutput() };
    }

private slots:
    void initTestCase()
    {
        // The system's Python carries the Debian PyNaCl; a python3 found first in PATH may not.
        for (const QString& candidate :
            { QStringLiteral("/usr/bin/python3"), QStringLiteral("python3") }) {
            if (QProcess::execute(candidate, { "-c", "import nacl.bindings, nacl.pwhash" }) == 0) {
                m_python = candidate;
                break;
            }
        }
        QVERIFY2(!m_python.isEmpty(), "python3 with PyNaCl (Debian python3-nacl) is needed");
    }

    void file_the_bar_wrote_at_its_defaults_opens_in_the_script_with_its_password_only()
    {
        const VaultStore store(m_dir.path());
        QCOMPARE(store.parameters(), KdfParameters::defaults());
        QVERIFY(store.save(SecretBytes::fromText("m\u00F4t de passe"), m_rows).done());
        const Run right = peer({ "read", store.vaultPath(), "m\u00F4t de passe" });
        QCOMPARE(right.exitCode, 0);
        QCOMPARE(right.output, VaultFile::plainText(m_rows));
        QCOMPARE(peer({ "read", store.vaultPath(), "mot de passe" }).exitCode, 2);
    }

    void file_the_script_wrote_opens_in_the_bar()
    {
        const QString path = m_dir.filePath("from-script.dat");
        QCOMPARE(
            peer({ "write", path, "\u00E9t\u00E9 2005", "2", "256" }, VaultFile::plainText(m_rows))
                .exitCode,
            0);
        const VaultFile::Reading reading
            = VaultFile::read(path, SecretBytes::fromText("\u00E9t\u00E9 2005"));
        QCOMPARE(reading.status, VaultFile::Reading::Status::Read);
        QCOMPARE(reading.rows, m_rows);
        QCOMPARE(VaultFile::read(path, SecretBytes::fromText("ete 2005")).status,
            VaultFile::Reading::Status::WrongPassword);
    }
};

QTEST_GUILESS_MAIN(TestVaultInterop)
#include "TestVaultInterop.moc"
