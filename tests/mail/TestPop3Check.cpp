#include "DataRow.h"
#include "LoopbackPort.h"
#include "MailModuleFixture.h"
#include "ScriptedPop3Server.h"
#include "mail/Pop3Stat.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSslConfiguration>
#include <QTest>

using Script = ScriptedPop3Server::Script;
using State = EmailAccountTable::State;

// The dialogue against a scripted peer (the cases a real server does not produce), the STAT
// reply it reads and the status picture it draws.
class TestPop3Check : public QObject {
    Q_OBJECT
private slots:
    // The capabilities decide whether the login goes out, and where it may, in clear.
    void one_dialogue_sets_status_colour_and_lines_sent_data()
    {
        QTest::addColumn<QString>("security");
        QTest::addColumn<Script>("script");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("state");
        QTest::addColumn<QByteArrayList>("sent");
        const QByteArrayList all { "USER jo", "PASS secret", "STAT", "QUIT" };
        const QString none = QStringLiteral("Pas de nouveau message");
        const int nothing = int(State::NothingNew);
        const int error = int(State::Error);
        const auto normal = ScriptedPop3Server::normalDialogue;
        // The normal dialogue with the server's reply to CAPA, then to STLS when it offers it.
        const auto capa = [normal](const QByteArray& reply) {
            Script script = normal("+OK 0 0\r\n");
            script.insert(1, { { reply } });
            if (reply.contains("STLS"))
                script.insert(2, { { "-ERR not now\r\n" } });
            return script;
        };
        const QString clear = QStringLiteral("POP3 NONE");
        dataRow("empty box", clear, normal("+OK 0 0\r\n"), none, nothing, all);
        dataRow("each reply split over several reads", clear,
            Script { { { "+OK rea", "dy\r", "\n" } }, { { "+", "OK\r\n" } },
                { { "+OK Logged", " in.\r\n" } }, { { "+OK 3 15", "36\r\n" } },
                { { "+OK Bye\r\n" }, true } },
            "3 message(s) (1,5 Ko)", int(State::NewMessages), all);
        dataRow("two replies in one read", clear,
            Script { { { "+OK ready\r\n+OK\r\n" } }, { {} }, { { "+OK\r\n" } },
                { { "+OK 3 1536\r\n+OK Bye\r\n" } }, { {}, true } },
            "3 message(s) (1,5 Ko)", int(State::NewMessages), all);
        dataRow("wrong password", clear,
            Script { { { "+OK ready\r\n" } }, { { "+OK\r\n" } },
                { { "-ERR authentication failed\r\n" } } },
            "-ERR authentication failed", error,
            QByteArrayList { "USER jo", "PASS secret", "QUIT" });
        dataRow("greeting without plus", clear, Script { { { "* busy, try later\r\n" } } },
            "* busy, try later", error, QByteArrayList { "QUIT" });
        dataRow("garbage greeting", clear, Script { { { "\x01\xFFgarbage\r\n" } } },
            QString::fromLatin1("\x01\xFFgarbage"), error, QByteArrayList { "QUIT" });
        dataRow("endless line cut at its limit", clear,
            Script { { { QByteArray(MailChecker::kMaxReplyLine + 900, 'x') } } },
            QString(MailChecker::kMaxReplyLine, u'x'), error, QByteArrayList { "QUIT" });
        dataRow("no STLS offered: login in clear", "POP3 AUTO", capa("+OK\r\nUSER\r\n.\r\n"), none,
            nothing, QByteArrayList { "CAPA" } + all);
        dataRow("no CAPA at all", "", capa("-ERR unknown command\r\n"), none, nothing,
            QByteArrayList { "CAPA" } + all);
        dataRow("STLS offered but refused: no fallback", "", capa("+OK\r\nSTLS\r\n.\r\n"),
            "-ERR not now", error, QByteArrayList { "CAPA", "STLS", "QUIT" });
        dataRow("STLS required, not offered", "POP3 STARTTLS", capa("+OK\r\nUSER\r\n.\r\n"),
            "<Chiffrement non propos\u00E9>", error, QByteArrayList { "CAPA", "QUIT" });
    }
    void one_dialogue_sets_status_colour_and_lines_sent()
    {
        QFETCH(QString, security);
        QFETCH(Script, script);
        QFETCH(int, state);
        QFETCH(QByteArrayList, sent);
        MailModuleFixture f;
        ScriptedPop3Server server(script);
        f.setAccounts(
            { makeAccount("Maison", "jo", "secret", "127.0.0.1", server.port(), security) });
        QVERIFY(f.checkCurrentAccount());
        QTEST(f.entry(0).EmailStatus, "status");
        QCOMPARE(f.entry(0).EmailState, state);
        QCOMPARE(f.statusColour(0), f.colourOfState(state));
        QCOMPARE(f.lineColour(0), f.app.skin.textTitle());
        QByteArrayList wire;
        for (const QByteArray& line : sent)
            wire.append(line + "\r\n");
        QTRY_COMPARE(server.receivedLines, wire);
        QCOMPARE(server.connections, 1);
    }

    void reply_to_quit_never_touches_the_next_account()
    {
        MailModuleFixture f;
        ScriptedPop3Server server({ { { "+OK ready\r\n" } }, { { "+OK\r\n" } }, { { "+OK\r\n" } },
            { { "+OK 1 10\r\n" } }, { { "-ERR odd goodbye\r\n" }, true } });
        f.setAccounts({ makeAccount("A", "jo", "secret", "127.0.0.1", server.port(), "POP3 NONE"),
            makeAccount("B", "jo", "secret", "127.0.0.1", server.port(), "POP3 NONE") });
        QVERIFY(f.checkCurrentAccount());
        // The server closes right after its goodbye: once closed, the goodbye has been read.
        QTRY_COMPARE(f.module->checker().connection()->state(), QAbstractSocket::UnconnectedState);
        QCOMPARE(f.entry(0).EmailStatus, QStringLiteral("1 message(s) (0,01 Ko)"));
        QCOMPARE(f.entry(1).EmailStatus, QStringLiteral("... Connexion Serveur ..."));
        QCOMPARE(f.module->CurrentEmailAccount(), 1);
    }

    void unreachable_server_retries_after_growing_pauses_then_says_so_data()
    {
        QTest::addColumn<Script>("script");
        QTest::addColumn<QString>("status");
        dataRow("never greets", Script { { {} } }, "<D\u00E9lai d\u00E9pass\u00E9>");
        dataRow("closes at once", Script { { {}, true } }, "<Connexion interrompue>");
        dataRow("closes in the middle", Script { { { "+OK ready\r\n" } }, { {}, true } },
            "<Connexion interrompue>");
        dataRow("port refused", Script {}, "<Serveur injoignable>");
    }
    void unreachable_server_retries_after_growing_pauses_then_says_so()
    {
        QFETCH(Script, script);
        const QList<int> pauses { 100, 300 };
        MailModuleFixture f;
        f.module->checker().setReplyTimeout(150);
        f.module->checker().setRetryPauses(pauses);
        ScriptedPop3Server server(script);
        const QString port = script.isEmpty() ? QString::number(freeLoopbackPort()) : server.port();
        // Two such accounts: the second gets its own tries, whatever the first used up.
        f.setAccounts({ makeAccount("A", "jo", "secret", "127.0.0.1", port, "POP3 NONE"),
            makeAccount("B", "jo", "secret", "127.0.0.1", port, "POP3 NONE") });
        QElapsedTimer clock;
        clock.start();
        QVERIFY(f.checkCurrentAccount());
        QVERIFY(clock.elapsed() >= 400);
        QCOMPARE(f.module->checker().MailRetries(), 2);
        QVERIFY(f.checkCurrentAccount());
        for (int account : { 0, 1 }) {
            QTEST(f.entry(account).EmailStatus, "status");
            QCOMPARE(f.statusColour(account), f.app.skin.textError());
        }
        if (script.isEmpty())
            return;
        QCOMPARE(server.connections, 6);
        const QList<qint64>& at = server.connectionTimes;
        for (int n : { 0, 3 }) {
            QVERIFY2(
                at[n + 1] - at[n] >= pauses[0], qPrintable(QString::number(at[n + 1] - at[n])));
            QVERIFY2(at[n + 2] - at[n + 1] >= pauses[1],
                qPrintable(QString::number(at[n + 2] - at[n + 1])));
        }
    }

    void account_fields_refused_before_connecting_data()
    {
        QTest::addColumn<QStringList>("fields"); // user, password, server, port ("*": the peer's)
        QTest::addColumn<QString>("status");
        const QString port = QStringLiteral("<Port non correct>");
        const QString creds = QStringLiteral("<Utilisateur/Mot de Passe>");
        for (const char* bad :
            { "0", "", "pop", "70000", "-110", "4294967406", "99999999999999999999" })
            QTest::addRow("port '%s'", bad) << QStringList { "jo", "pw", "127.0.0.1", bad } << port;
        dataRow("port checked first", QStringList { "", "", "", "0" }, port);
        dataRow("no user", QStringList { "", "pw", "127.0.0.1", "*" }, creds);
        dataRow("no password", QStringList { "jo", "", "127.0.0.1", "*" }, creds);
        dataRow("no server", QStringList { "jo", "pw", "", "*" }, creds);
    }
    void account_fields_refused_before_connecting()
    {
        QFETCH(QStringList, fields);
        MailModuleFixture f;
        ScriptedPop3Server server(ScriptedPop3Server::normalDialogue("+OK 1 1\r\n"));
        const QString port = fields[3] == QLatin1String("*") ? server.port() : fields[3];
        f.setAccounts({ makeAccount("Maison", fields[0], fields[1], fields[2], port) });
        QVERIFY(f.checkCurrentAccount(100));
        QTEST(f.entry(0).EmailStatus, "status");
        QCOMPARE(f.statusColour(0), f.app.skin.textError());
        QCOMPARE(f.module->checker().connection(), nullptr);
    }

    // Extra certificates are the tests' own; accounts trust what the system trusts.
    void tls_trusts_the_system_roots()
    {
        QCOMPARE(MailChecker().tlsConfiguration(), QSslConfiguration::defaultConfiguration());
    }

    void no_account_makes_no_connection_and_draws_nothing()
    {
        MailModuleFixture f;
        f.setAccounts({});
        QVERIFY(f.checkCurrentAccount(100));
        QCOMPARE(f.module->findChild<QWidget*>("pictEmailStatus")->height(), 0);
    }

    void stat_reply_gives_count_and_size_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("status");
        const QLocale fr(QLocale::French);
        dataRow("empty box", "+OK 0 0\r\n", fr, QString());
        dataRow("2048 keeps the separator", "+OK 1 2048\r\n", fr, "1 message(s) (2, Ko)");
        dataRow("1 MiB is still Ko", "+OK 2 1048576\r\n", fr, "2 message(s) (1024, Ko)");
        dataRow("one byte more is Mo", "+OK 2 1048577\r\n", fr, "2 message(s) (1,00 Mo)");
        dataRow("no grouping", "+OK 1 5368709120\r\n", fr, "1 message(s) (5120,00 Mo)");
        dataRow("one space only", "+OK 5\r\n", fr, QString());
        dataRow("bare line end", "+OK 3 1536\n", fr, "3 message(s) (1,5 Ko)");
        dataRow("size not a number", "+OK 3 many\r\n", fr, "3 message(s) (0, Ko)");
        dataRow("C locale separator", "+OK 3 1536\r\n", QLocale::c(), "3 message(s) (1.5 Ko)");
    }
    void stat_reply_gives_count_and_size()
    {
        QFETCH(QString, reply);
        QFETCH(QLocale, locale);
        QTEST(Pop3Stat::ParsePop3Stat(reply, locale).statusText(), "status");
    }

    void status_picture_stops_at_the_screen_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("screenHeight");
        QTest::newRow("three accounts") << 3 << 1024;
        QTest::newRow("100,000 lines, tall screen") << 100000 << 2160;
    }
    void status_picture_stops_at_the_screen()
    {
        QFETCH(int, lines);
        QFETCH(int, screenHeight);
        MailModuleFixture bench;
        bench.app.fakes.screen.rect = QRect(0, 0, 1920, screenHeight);
        QFile file(EmailAccountsFile::path(bench.app.dataDir()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        for (int n = 0; n < lines; ++n)
            file.write(n % 2 ? "zz\r\n" : "0123456789abcdef\r\n");
        file.close();
        bench.module->LoadEmailAccounts();
        const double height = bench.module->layoutHeight();
        QCOMPARE(bench.module->NbEmailAccounts(), lines); // every one is still checked
        const int perAccount = 2 * bench.module->lineHeight();
        QCOMPARE(bench.module->DrawnEmailAccounts(), std::min(lines, screenHeight / perAccount));
        QVERIFY(height <= screenHeight + 20);
        QVERIFY(bench.module->statusImage().height() <= screenHeight);
        QCOMPARE(
            bench.module->statusImage().height(), bench.module->DrawnEmailAccounts() * perAccount);
    }
};

QTEST_MAIN(TestPop3Check)
#include "TestPop3Check.moc"
