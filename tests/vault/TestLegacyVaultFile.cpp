#include "DataRow.h"
#include "ReferenceRC4.h"
#include "TestFiles.h"
#include "VaultFixture.h"
#include "vault/LegacyVaultFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Status = LegacyVaultFile::Reading::Status;
Q_DECLARE_METATYPE(VaultRows)

// The RC4 vault of the earlier versions, read only to convert it.
class TestLegacyVaultFile : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath(LegacyVaultFile::fileName()); }

private slots:
    void file_built_apart_is_read_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("status");
        QTest::addColumn<VaultRows>("rows");
        const QByteArray pass = ReferenceRC4::encipherFile({ "[PASS];abc" });
        dataRow("rows, blank lines and LF-only ends",
            pass + "\r\n \r\n"
                + ReferenceRC4::encipherFile({ "Mail;jo;s3cret", "x;1;2;3;4;5;6" })
                      .replace("\r", ""),
            "abc", int(Status::Read),
            VaultRows { vaultRow("Mail", "jo", "s3cret"), vaultRow("x", "1", "2", "3", "4") });
        dataRow("malformed hexadecimal line is an empty row",
            pass + "1FF;41;\r\n" + ReferenceRC4::encipherFile({ "B" }), "abc", int(Status::Read),
            VaultRows { vaultRow({}), vaultRow("B") });
        dataRow("wrong master password shows no rows", pass + ReferenceRC4::encipherFile({ "R" }),
            "abd", int(Status::WrongPassword), VaultRows());
        dataRow("a prefix of the password is wrong too", pass + ReferenceRC4::encipherFile({ "R" }),
            "ab", int(Status::WrongPassword), VaultRows());
        dataRow("a later [PASS] line is a row",
            pass + ReferenceRC4::encipherFile({ "[PASS];autre" }), "abc", int(Status::Read),
            VaultRows { vaultRow("[PASS]", "autre") });
        dataRow("empty file", QByteArray(), "abc", int(Status::Read), VaultRows());
        dataRow("no password line", ReferenceRC4::encipherFile({ "Seul;x" }), "abc",
            int(Status::Read), VaultRows { vaultRow("Seul", "x") });
    }
    void file_built_apart_is_read()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, expected);
        QFETCH(int, status);
        QFETCH(VaultRows, rows);
        writeBytes(path(), file);
        const LegacyVaultFile::Reading reading = LegacyVaultFile::read(path(), expected);
        QCOMPARE(int(reading.status), status);
        QCOMPARE(reading.rows, rows);
    }

    void missing_and_unreadable_files()
    {
        QFile::remove(path());
        QCOMPARE(LegacyVaultFile::read(path(), "abc").status, Status::Missing);
        QVERIFY(QDir(m_dir.path()).mkdir(LegacyVaultFile::fileName()));
        const Status status = LegacyVaultFile::read(path(), "abc").status;
        QVERIFY(QDir(m_dir.path()).rmdir(LegacyVaultFile::fileName()));
        QCOMPARE(status, Status::Unreadable);
    }
};

QTEST_GUILESS_MAIN(TestLegacyVaultFile)
#include "TestLegacyVaultFile.moc"
