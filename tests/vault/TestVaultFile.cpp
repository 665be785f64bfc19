#include "DataRow.h"
#include "ReferenceRC4.h"
#include "TestFiles.h"
#include "vault/VaultFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Status = VaultFile::Reading::Status;
Q_DECLARE_METATYPE(VaultRows)

static VaultRow row(const QString& a, const QString& b = {}, const QString& c = {},
    const QString& d = {}, const QString& e = {})
{
    return { { a, b, c, d, e } };
}

class TestVaultFile : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath(VaultFile::fileName()); }
    void put(const QByteArray& bytes) { writeBytes(path(), bytes); }
    QByteArray onDisk() const { return readBytes(path()); }

private slots:
    void init() { QFile::remove(path()); }

    void written_file_deciphers_line_by_line_with_an_independent_rc4_data()
    {
        QTest::addColumn<VaultRows>("rows");
        QTest::addColumn<QStringList>("plainLines");
        dataRow("no rows: the password line alone", VaultRows(), QStringList());
        dataRow("trailing empty fields keep their separators", VaultRows { row("Banque", "1234") },
            QStringList { "Banque;1234;;;" });
        dataRow("two rows, one description, list order",
            VaultRows { row("Site", "a", "b", "c", "d"), row("Site", "e") },
            QStringList { "Site;a;b;c;d", "Site;e;;;" });
        dataRow("accents and an empty row",
            VaultRows { row("\u00E9t\u00E9", "\u00E0 la cl\u00E9"), row({}) },
            QStringList { "\u00E9t\u00E9;\u00E0 la cl\u00E9;;;", ";;;;" });
    }
    void written_file_deciphers_line_by_line_with_an_independent_rc4()
    {
        QFETCH(VaultRows, rows);
        QFETCH(QStringList, plainLines);
        QVERIFY(VaultFile::write(path(), VaultFile::content("M\u00F4t", rows)));
        const QByteArray bytes = onDisk();
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count("\r\n"), plainLines.size() + 1);
        QCOMPARE(ReferenceRC4::decipherFile(bytes), QStringList("[PASS];M\u00F4t") + plainLines);
        QCOMPARE(
            QFile::permissions(path()) & 0x7077, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        const VaultFile::Reading back = VaultFile::read(path(), "M\u00F4t");
        QCOMPARE(back.status, Status::Read);
        QCOMPARE(back.rows, rows);
    }

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
            VaultRows { row("Mail", "jo", "s3cret"), row("x", "1", "2", "3", "4") });
        dataRow("malformed hexadecimal line is an empty row",
            pass + "1FF;41;\r\n" + ReferenceRC4::encipherFile({ "B" }), "abc", int(Status::Read),
            VaultRows { row({}), row("B") });
        dataRow("wrong master password shows no rows", pass + ReferenceRC4::encipherFile({ "R" }),
            "abd", int(Status::WrongPassword), VaultRows());
        dataRow("a prefix of the password is wrong too", pass + ReferenceRC4::encipherFile({ "R" }),
            "ab", int(Status::WrongPassword), VaultRows());
        dataRow("a later [PASS] line is a row",
            pass + ReferenceRC4::encipherFile({ "[PASS];autre" }), "abc", int(Status::Read),
            VaultRows { row("[PASS]", "autre") });
        dataRow("empty file", QByteArray(), "abc", int(Status::Read), VaultRows());
        dataRow("no password line", ReferenceRC4::encipherFile({ "Seul;x" }), "abc",
            int(Status::Read), VaultRows { row("Seul", "x") });
    }
    void file_built_apart_is_read()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, expected);
        QFETCH(int, status);
        QFETCH(VaultRows, rows);
        put(file);
        const VaultFile::Reading reading = VaultFile::read(path(), expected);
        QCOMPARE(int(reading.status), status);
        QCOMPARE(reading.rows, rows);
        QCOMPARE(reading.mayOverwrite(), status == int(Status::Read));
    }

    void missing_file_is_an_empty_vault_that_may_be_written()
    {
        const VaultFile::Reading reading = VaultFile::read(path(), "abc");
        QCOMPARE(reading.status, Status::Missing);
        QVERIFY(reading.rows.isEmpty());
        QVERIFY(reading.mayOverwrite());
    }

    void file_that_cannot_be_opened_is_never_written_over()
    {
        QVERIFY(QDir(m_dir.path()).mkdir(VaultFile::fileName()));
        const VaultFile::Reading reading = VaultFile::read(path(), "abc");
        QVERIFY(QDir(m_dir.path()).rmdir(VaultFile::fileName()));
        QCOMPARE(reading.status, Status::Unreadable);
        QVERIFY(!reading.mayOverwrite());
    }

    void failed_write_leaves_the_old_file_whole()
    {
        put("ancien\r\n");
        QVERIFY(!VaultFile::write(m_dir.filePath("absent/" + VaultFile::fileName()), "x"));
        // A folder in the file's place cannot be replaced either.
        QTemporaryDir other;
        QVERIFY(QDir(other.path()).mkdir(VaultFile::fileName()));
        QVERIFY(!VaultFile::write(other.filePath(VaultFile::fileName()), "x"));
        QCOMPARE(onDisk(), QByteArray("ancien\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestVaultFile)
#include "TestVaultFile.moc"
