#include "DataRow.h"
#include "VaultFixture.h"
#include "vault/VaultFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using Status = VaultFile::Reading::Status;
Q_DECLARE_METATYPE(VaultRows)

class TestVaultFile : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath(VaultFile::fileName()); }
    static SecretBytes secret(const QString& text) { return SecretBytes::fromText(text); }
    static QByteArray written(const VaultRows& rows)
    {
        return VaultFile::content(secret("M\u00F4t"), rows, cheapKdf());
    }

private slots:
    void rows_come_back_under_the_password_only_data()
    {
        QTest::addColumn<VaultRows>("rows");
        dataRow("no rows", VaultRows());
        dataRow("accents, other scripts and an empty row",
            VaultRows {
                vaultRow("\u00E9t\u00E9", "\u043A\u043B\u044E\u0447 \u2713"), vaultRow({}) });
        dataRow(
            "a description [PASS] is a row like any", VaultRows { vaultRow("[PASS]", "autre") });
    }
    void rows_come_back_under_the_password_only()
    {
        QFETCH(VaultRows, rows);
        QVERIFY(VaultFile::write(path(), written(rows)));
        QCOMPARE(
            QFile::permissions(path()) & 0x7077, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        const VaultFile::Reading back = VaultFile::read(path(), secret("M\u00F4t"));
        QCOMPARE(back.status, Status::Read);
        QCOMPARE(back.rows, rows);
        const VaultFile::Reading wrong = VaultFile::read(path(), secret("Mot"));
        QCOMPARE(wrong.status, Status::WrongPassword);
        QVERIFY(wrong.rows.isEmpty());
    }

    // The same rows never seal the same way twice: salt and nonce are new at every write.
    void salt_and_nonce_are_fresh_at_every_write()
    {
        const QByteArray first = written({ vaultRow("A", "1") });
        const QByteArray second = written({ vaultRow("A", "1") });
        QVERIFY(first.mid(22, 16) != second.mid(22, 16));
        QVERIFY(first.mid(38, 24) != second.mid(38, 24));
    }

    void one_flipped_byte_anywhere_is_refused()
    {
        const QByteArray file
            = written({ vaultRow("Banque", "1234"), vaultRow("Wifi", "cl\u00E9") });
        for (qsizetype at = 0; at < file.size(); ++at) {
            for (const char bit : { '\x01', '\x80' }) {
                QByteArray altered = file;
                altered[at] = char(altered[at] ^ bit);
                const VaultFile::Reading reading
                    = VaultFile::decipher(altered, secret("M\u00F4t"), { 4, 64 });
                QVERIFY2(
                    reading.status == Status::WrongPassword || reading.status == Status::Damaged,
                    qPrintable(QStringLiteral("byte %1").arg(at)));
                QVERIFY(reading.rows.isEmpty());
            }
        }
    }

    void files_that_are_no_vault_are_damaged_data()
    {
        QTest::addColumn<QByteArray>("file");
        const QByteArray good = written({ vaultRow("A") });
        dataRow("empty", QByteArray());
        dataRow("the header alone", good.left(VaultFile::Header::kSize));
        dataRow("cut inside the tag", good.left(VaultFile::Header::kSize + 10));
        dataRow("an old RC4 vault", ReferenceRC4::encipherFile({ "[PASS];M\u00F4t", "A;;;;" }));
        QByteArray later = good;
        later[12] = 2;
        dataRow("a later format version", later);
        QByteArray costly = good;
        qToLittleEndian<quint32>(4u * 1024 * 1024, costly.data() + 18);
        dataRow("a memory cost past the ceiling", costly);
        QByteArray endless = good;
        qToLittleEndian<quint32>(100000u, endless.data() + 14);
        dataRow("a pass count past the ceiling", endless);
        QByteArray tiny = good;
        qToLittleEndian<quint32>(0u, tiny.data() + 14);
        dataRow("no pass at all", tiny);
    }
    void files_that_are_no_vault_are_damaged()
    {
        QFETCH(QByteArray, file);
        const VaultFile::Reading reading = VaultFile::decipher(file, secret("M\u00F4t"));
        QCOMPARE(reading.status, Status::Damaged);
        QVERIFY(reading.rows.isEmpty());
    }

    void plain_text_is_one_row_a_line_and_reads_crlf_and_blank_lines()
    {
        QCOMPARE(VaultFile::plainText({ vaultRow("A", "b"), vaultRow({}) }),
            QByteArray("A;b;;;\n;;;;\n"));
        QCOMPARE(VaultFile::rowsOf("A;b\r\n\n x;1;2;3;4;5\n\xC3\xA9"),
            VaultRows(
                { vaultRow("A", "b"), vaultRow(" x", "1", "2", "3", "4"), vaultRow("\u00E9") }));
    }
};

QTEST_GUILESS_MAIN(TestVaultFile)
#include "TestVaultFile.moc"
