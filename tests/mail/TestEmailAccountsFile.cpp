#include "TestApp.h"
#include "common/CryptRC4.h"
#include "mail/EmailAccount.h"
#include "mail/EmailAccountsFile.h"
#include "mail/MailChecker.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace EmailAccountsFile;

class TestEmailAccountsFile : public QObject {
    Q_OBJECT

    static EmailAccount account(const QString& name, const QString& password)
    {
        EmailAccount a;
        a.fields = { name, "jo@example.fr", "jo", password, "pop.example.fr", "110" };
        return a;
    }
    static QByteArray fileBytes(const TestApp& app)
    {
        QFile file(path(app.appDir()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    static void writeBytes(const TestApp& app, const QByteArray& bytes)
    {
        QFile file(path(app.appDir()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private slots:
    void empty_list_gives_empty_file_and_empty_table()
    {
        TestApp app(false);
        QVERIFY(SaveEmailAccounts(app.appDir(), {}, &app.fakes.dialogs));
        QCOMPARE(fileBytes(app), QByteArray());
        QVERIFY(ReadEmailAccount(app.appDir()).isEmpty());
        QVERIFY(LoadEmailAccounts(app.appDir()).isEmpty());
    }

    void file_holds_one_enciphered_hexa_line_per_account()
    {
        TestApp app(false);
        const QList<EmailAccount> rows = { account("Maison", "s3cret"), account("Bureau", "x") };
        QVERIFY(SaveEmailAccounts(app.appDir(), rows, &app.fakes.dialogs));
        const QByteArray bytes = fileBytes(app);
        QByteArray expected;
        for (const EmailAccount& row : rows)
            expected += cCryptRC4::EncipherLine(row.recordLine()).toLatin1() + "\r\n";
        QCOMPARE(bytes, expected);
        const QRegularExpression hexaLine(QStringLiteral("^([0-9A-F]{1,2};)+$"));
        for (const QByteArray& line : bytes.split('\n').mid(0, 2))
            QVERIFY(hexaLine.match(QString::fromLatin1(line.chopped(1))).hasMatch());
        QVERIFY(!bytes.contains("s3cret") && !bytes.contains("Maison"));
        const QFileDevice::Permissions mode = QFile::permissions(path(app.appDir()));
        QCOMPARE(mode & 0x77, 0); // nothing for group and others
        QCOMPARE(mode & 0x7000, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    void rows_round_trip_with_accents()
    {
        TestApp app(false);
        EmailAccount accented;
        accented.fields = { "Courriel \u00E9t\u00E9 \u20AC", "\u00E0@b.fr", "l\u00E9a", "p\u00E2te",
            "pop.\u00E9cole.fr", "995" };
        const QList<EmailAccount> rows = { accented, EmailAccount::newAccount() };
        QVERIFY(SaveEmailAccounts(app.appDir(), rows, &app.fakes.dialogs));
        QCOMPARE(ReadEmailAccount(app.appDir()), rows);
        QCOMPARE(LoadEmailAccounts(app.appDir()),
            QStringList({ accented.recordLine(), EmailAccount::newAccount().recordLine() }));
    }

    void identical_accounts_give_identical_lines()
    {
        TestApp app(false);
        QVERIFY(SaveEmailAccounts(app.appDir(), { account("A", "p"), account("A", "p") }, nullptr));
        const QList<QByteArray> lines = fileBytes(app).split('\n');
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], lines[1]);
    }

    void blank_lines_and_bad_lines_data()
    {
        QTest::addColumn<QByteArray>("middle");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("entries");
        QTest::newRow("blank lines") << QByteArray("\r\n   \r\n\r\n") << 2 << 2;
        QTest::newRow("undecodable line") << QByteArray("1FF;20;\r\n") << 2 << 3;
    }
    void blank_lines_and_bad_lines()
    {
        QFETCH(QByteArray, middle);
        QFETCH(int, rows);
        QFETCH(int, entries);
        TestApp app(false);
        const QByteArray first = cCryptRC4::EncipherLine(account("A", "1").recordLine()).toLatin1();
        const QByteArray last = cCryptRC4::EncipherLine(account("B", "2").recordLine()).toLatin1();
        writeBytes(app, first + "\r\n" + middle + last + "\r\n");
        const QList<EmailAccount> read = ReadEmailAccount(app.appDir());
        QCOMPARE(read.size(), rows);
        QCOMPARE(read.last(), account("B", "2"));
        const QStringList loaded = LoadEmailAccounts(app.appDir());
        QCOMPARE(loaded.size(), entries);
        if (entries == 3) {
            QCOMPARE(loaded[1], QString());
            MailChecker checker;
            checker.table().load(loaded);
            checker.table().NextEmailAccount();
            checker.CheckEmailAccount();
            QCOMPARE(checker.table().at(1).EmailStatus, QStringLiteral("<Port non correct>"));
        }
    }

    void legacy_line_with_semicolon_shifts_fields()
    {
        TestApp app(false);
        writeBytes(app, cCryptRC4::EncipherLine("Nom;a@b;jo;pa;ss;pop.b;110").toLatin1() + "\r\n");
        const QList<EmailAccount> read = ReadEmailAccount(app.appDir());
        QCOMPARE(read.size(), 1);
        QCOMPARE(read[0][EmailAccount::Password], QStringLiteral("pa"));
        QCOMPARE(read[0][EmailAccount::Server], QStringLiteral("ss"));
        QCOMPARE(read[0][EmailAccount::Port], QStringLiteral("pop.b"));
    }

    void short_record_line_leaves_missing_columns_empty()
    {
        TestApp app(false);
        writeBytes(app, cCryptRC4::EncipherLine("Seul;x@y").toLatin1() + "\r\n");
        const QList<EmailAccount> read = ReadEmailAccount(app.appDir());
        QCOMPARE(read.size(), 1);
        QCOMPARE(read[0][EmailAccount::Address], QStringLiteral("x@y"));
        QCOMPARE(read[0][EmailAccount::Port], QString());
    }

    void row_model_refuses_semicolon_with_french_message()
    {
        EmailAccountRows rows;
        QString problem;
        QVERIFY(!rows.append(account("Maison", "mot;passe"), &problem));
        QCOMPARE(rows.count(), 0);
        QCOMPARE(problem,
            QStringLiteral("Le champ \u00AB Mot de Passe \u00BB ne peut pas contenir "
                           "le caract\u00E8re \u00AB ; \u00BB."));
        QVERIFY(rows.append(account("Maison", "motpasse"), &problem));
        QVERIFY(problem.isEmpty());
        QVERIFY(!rows.replace(0, account("Ma;ison", "p"), &problem));
        QCOMPARE(rows.at(0)[EmailAccount::Name], QStringLiteral("Maison"));
        QVERIFY(EmailAccountRows::fieldProblem(EmailAccount::Server, "a;b").contains("Serveur"));
    }

    void missing_file_reads_as_nothing()
    {
        TestApp app(false);
        QVERIFY(ReadEmailAccount(app.appDir()).isEmpty());
        QVERIFY(LoadEmailAccounts(app.appDir()).isEmpty());
    }

    void write_failure_shows_critical_message_and_keeps_old_file()
    {
        TestApp app(false);
        QVERIFY(SaveEmailAccounts(app.appDir(), { account("A", "1") }, &app.fakes.dialogs));
        const QByteArray before = fileBytes(app);
        // A folder where the file should be makes every write fail, even for root.
        const QString blocked = app.appDir() + QStringLiteral("/blocked");
        QDir().mkpath(path(blocked));
        QVERIFY(!SaveEmailAccounts(blocked, { account("B", "2") }, &app.fakes.dialogs));
        QCOMPARE(app.fakes.dialogs.messages.size(), 1);
        QCOMPARE(app.fakes.dialogs.messages[0].icon, Dialogs::Icon::Critical);
        QCOMPARE(app.fakes.dialogs.messages[0].text,
            QStringLiteral("Probl\u00E8me d'acc\u00E8s en \u00E9criture : ") + path(blocked));
        QCOMPARE(fileBytes(app), before);
    }
};

QTEST_GUILESS_MAIN(TestEmailAccountsFile)
#include "TestEmailAccountsFile.moc"
