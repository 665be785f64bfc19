#include "ChildLimits.h"
#include "TestApp.h"
#include "TestFiles.h"
#include "common/CryptRC4.h"
#include "mail/EmailAccount.h"
#include "mail/EmailAccountsFile.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace EmailAccountsFile;
Q_DECLARE_METATYPE(EmailAccount)

static EmailAccount account(const QString& name, const QString& password)
{
    return { { name, "jo@example.fr", "jo", password, "pop.example.fr", "110" } };
}

static QByteArray hexaLine(const QString& recordLine)
{
    return cCryptRC4::EncipherLine(recordLine).toLatin1() + "\r\n";
}

static QByteArray fileBytes(const TestApp& app)
{
    return readBytes(path(app.dataDir()));
}

class TestEmailAccountsFile : public QObject {
    Q_OBJECT
private slots:
    void missing_or_empty_list_reads_as_nothing_and_saves_zero_bytes()
    {
        TestApp app(false);
        QVERIFY(ReadEmailAccount(app.dataDir()).isEmpty());
        QVERIFY(SaveEmailAccounts(app.dataDir(), {}, &app.fakes.dialogs));
        QCOMPARE(fileBytes(app), QByteArray());
        QVERIFY(LoadEmailAccounts(app.dataDir()).isEmpty());
    }

    void rows_round_trip_with_accents()
    {
        TestApp app(false);
        const EmailAccount accented { { "Courriel \u00E9t\u00E9 \u20AC", "\u00E0@b.fr", "l\u00E9a",
            "p\u00E2te", "pop.\u00E9cole.fr", "995" } };
        const QList<EmailAccount> rows = { accented, EmailAccount::newAccount() };
        QVERIFY(SaveEmailAccounts(app.dataDir(), rows, &app.fakes.dialogs));
        QCOMPARE(ReadEmailAccount(app.dataDir()), rows);
        QCOMPARE(LoadEmailAccounts(app.dataDir()),
            QStringList({ accented.recordLine(), EmailAccount::newAccount().recordLine() }));
    }

    void blank_lines_are_skipped_an_undecodable_one_stays_an_entry_data()
    {
        QTest::addColumn<QByteArray>("middle");
        QTest::addColumn<int>("entries");
        QTest::newRow("blank lines") << QByteArray("\r\n   \r\n\r\n") << 2;
        QTest::newRow("undecodable line") << QByteArray("1FF;20;\r\n") << 3;
    }
    void blank_lines_are_skipped_an_undecodable_one_stays_an_entry()
    {
        QFETCH(QByteArray, middle);
        TestApp app(false);
        writeBytes(path(app.dataDir()),
            hexaLine(account("A", "1").recordLine()) + middle
                + hexaLine(account("B", "2").recordLine()));
        QCOMPARE(ReadEmailAccount(app.dataDir()), QList({ account("A", "1"), account("B", "2") }));
        QTEST(int(LoadEmailAccounts(app.dataDir()).size()), "entries");
    }

    void record_lines_split_at_every_semicolon_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<EmailAccount>("fields");
        QTest::newRow("legacy semicolon shifts")
            << "Nom;a@b;jo;pa;ss;pop.b;110;x"
            << EmailAccount { { "Nom", "a@b", "jo", "pa", "ss", "pop.b" }, "110" };
        QTest::newRow("protocol and security")
            << "Nom;a@b;jo;pw;imap.b;993;IMAP TLS"
            << EmailAccount { { "Nom", "a@b", "jo", "pw", "imap.b", "993" }, "IMAP TLS" };
        QTest::newRow("short line") << "Seul;x@y" << EmailAccount { { "Seul", "x@y" } };
    }
    void record_lines_split_at_every_semicolon()
    {
        QFETCH(QString, line);
        QFETCH(EmailAccount, fields);
        TestApp app(false);
        writeBytes(path(app.dataDir()), hexaLine(line));
        QCOMPARE(ReadEmailAccount(app.dataDir()), QList({ fields }));
    }

    // What older versions wrote comes back byte for byte when the options are saved unedited.
    void six_field_file_is_written_back_unchanged()
    {
        TestApp app(false);
        const QByteArray old = hexaLine("Maison;jo@example.fr;jo;s3cret;pop.example.fr;110")
            + hexaLine("Bureau;a@b.fr;a;p\u00E2te;mail.b.fr;995");
        writeBytes(path(app.dataDir()), old);
        QVERIFY(SaveEmailAccounts(app.dataDir(), ReadEmailAccount(app.dataDir()), nullptr));
        QCOMPARE(fileBytes(app), old);
    }

    void full_disk_shows_critical_message_and_keeps_old_file()
    {
        TestApp app(false);
        QVERIFY(SaveEmailAccounts(app.dataDir(), { account("A", "1") }, &app.fakes.dialogs));
        const QByteArray before = fileBytes(app);
        // Less than Qt's write buffer: the failure only shows when the buffer is flushed.
        QList<EmailAccount> many;
        for (int n = 0; n < 20; ++n)
            many.append(account(QStringLiteral("Compte %1").arg(n), "secret"));
        const int result = runWithFileSizeLimit(1024, [&] {
            const bool saved = SaveEmailAccounts(app.dataDir(), many, &app.fakes.dialogs);
            const bool told = app.fakes.dialogs.messages.size() == 1
                && app.fakes.dialogs.messages[0].text
                    == QStringLiteral("Probl\u00E8me d'acc\u00E8s en \u00E9criture : ")
                        + path(app.dataDir());
            return saved || !told;
        });
        QCOMPARE(result, 0);
        QCOMPARE(fileBytes(app), before);
    }
};

QTEST_GUILESS_MAIN(TestEmailAccountsFile)
#include "TestEmailAccountsFile.moc"
