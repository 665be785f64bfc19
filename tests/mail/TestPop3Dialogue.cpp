#include "MailModuleFixture.h"
#include "ScriptedPop3Server.h"
#include "common/StringTools.h"

#include <QTcpServer>
#include <QTest>

using Step = ScriptedPop3Server::Step;

// The dialogue against a scripted peer: the cases a real server does not produce.
class TestPop3Dialogue : public QObject {
    Q_OBJECT

    static QString portOf(const ScriptedPop3Server& server)
    {
        return QString::number(server.port());
    }
    static QByteArrayList normalLines() { return { "USER jo", "PASS secret", "STAT", "QUIT" }; }
    void checkOne(MailModuleFixture& f, ScriptedPop3Server& server)
    {
        f.setAccounts({ makeAccount("Maison", "jo", "secret", "127.0.0.1", portOf(server)) });
        QVERIFY(f.checkCurrentAccount());
    }

private slots:
    void stat_reply_sets_status_and_colour_data()
    {
        QTest::addColumn<QByteArray>("statReply");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("state");
        QTest::newRow("empty box") << QByteArray("+OK 0 0\r\n") << "Pas de nouveau message" << 0;
        QTest::newRow("three messages")
            << QByteArray("+OK 3 1536\r\n") << "3 message(s) (1,5 Ko)" << 1;
        QTest::newRow("twelve in Mo")
            << QByteArray("+OK 12 5242880\r\n") << "12 message(s) (5,00 Mo)" << 1;
        QTest::newRow("no second space")
            << QByteArray("+OK 3\r\n") << "Pas de nouveau message" << 0;
    }
    void stat_reply_sets_status_and_colour()
    {
        QFETCH(QByteArray, statReply);
        QFETCH(QString, status);
        QFETCH(int, state);
        MailModuleFixture f;
        ScriptedPop3Server server(ScriptedPop3Server::normalDialogue(statReply));
        checkOne(f, server);
        QCOMPARE(f.status(0), status);
        QCOMPARE(f.state(0), state);
        QCOMPARE(f.statusColour(0), state == 1 ? f.skin().textLight() : f.skin().textDark());
        QCOMPARE(f.nameColour(0), f.skin().textTitle());
        QTRY_COMPARE(server.receivedLines, normalLines());
    }

    void replies_cut_or_joined_drive_the_dialogue_as_whole_lines_data()
    {
        QTest::addColumn<QList<Step>>("script");
        QTest::newRow("each reply split over several reads")
            << QList<Step> { { { "+OK rea", "dy\r", "\n" } }, { { "+", "OK\r\n" } },
                   { { "+OK Logged", " in.\r\n" } }, { { "+OK 3 15", "36\r\n" } },
                   { { "+OK Bye\r\n" }, true } };
        QTest::newRow("two replies in one read") << QList<Step> { { { "+OK ready\r\n+OK\r\n" } },
            { {} }, { { "+OK\r\n" } }, { { "+OK 3 1536\r\n+OK Bye\r\n" } }, { {}, true } };
    }
    void replies_cut_or_joined_drive_the_dialogue_as_whole_lines()
    {
        QFETCH(QList<Step>, script);
        MailModuleFixture f;
        ScriptedPop3Server server(script);
        checkOne(f, server);
        QCOMPARE(f.status(0), QStringLiteral("3 message(s) (1,5 Ko)"));
        QTRY_COMPARE(server.receivedLines, normalLines());
        QCOMPARE(server.connections, 1);
    }

    void negative_reply_is_shown_in_error_colour_data()
    {
        QTest::addColumn<QList<Step>>("script");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QByteArrayList>("sent");
        QTest::newRow("wrong password")
            << QList<Step> { { { "+OK ready\r\n" } }, { { "+OK\r\n" } },
                   { { "-ERR authentication failed\r\n" } } }
            << "-ERR authentication failed" << QByteArrayList { "USER jo", "PASS secret", "QUIT" };
        QTest::newRow("greeting without plus") << QList<Step> { { { "* busy, try later\r\n" } } }
                                               << "* busy, try later" << QByteArrayList { "QUIT" };
        QTest::newRow("garbage greeting")
            << QList<Step> { { { "\x01\xFFgarbage\r\n" } } }
            << QString::fromLatin1("\x01\xFFgarbage") << QByteArrayList { "QUIT" };
    }
    void negative_reply_is_shown_in_error_colour()
    {
        QFETCH(QList<Step>, script);
        QFETCH(QString, status);
        QFETCH(QByteArrayList, sent);
        MailModuleFixture f;
        ScriptedPop3Server server(script);
        checkOne(f, server);
        QCOMPARE(f.status(0), status);
        QCOMPARE(f.state(0), 99);
        QCOMPARE(f.statusColour(0), f.skin().textError());
        QTRY_COMPARE(server.receivedLines, sent);
    }

    void long_error_reply_is_cut_to_22_characters()
    {
        QCOMPARE(StringTools::TruncateText(QStringLiteral("-ERR authentication failed"), 22),
            QStringLiteral("-ERR authentication fa ..."));
    }

    void reply_to_quit_never_touches_the_next_account()
    {
        MailModuleFixture f;
        ScriptedPop3Server server({ { { "+OK ready\r\n" } }, { { "+OK\r\n" } }, { { "+OK\r\n" } },
            { { "+OK 1 10\r\n" } }, { { "-ERR odd goodbye\r\n" } } });
        f.setAccounts({ makeAccount("A", "jo", "secret", "127.0.0.1", portOf(server)),
            makeAccount("B", "jo", "secret", "127.0.0.1", portOf(server)) });
        QVERIFY(f.checkCurrentAccount());
        QTRY_COMPARE(server.receivedLines.size(), 4);
        QTest::qWait(100);
        QCOMPARE(f.status(0), QStringLiteral("1 message(s) (0,01 Ko)"));
        QCOMPARE(f.status(1), QStringLiteral("... Connexion Serveur ..."));
        QCOMPARE(f.module->CurrentEmailAccount(), 1);
    }

    void unreachable_or_silent_server_retries_ten_times_then_gives_up_data()
    {
        QTest::addColumn<QList<Step>>("script");
        QTest::addColumn<bool>("listening");
        QTest::newRow("silent server") << QList<Step> { { {} } } << true;
        QTest::newRow("closes in the middle")
            << QList<Step> { { { "+OK ready\r\n" } }, { {}, true } } << true;
        QTest::newRow("port refused") << QList<Step> {} << false;
    }
    void unreachable_or_silent_server_retries_ten_times_then_gives_up()
    {
        QFETCH(QList<Step>, script);
        QFETCH(bool, listening);
        MailModuleFixture f;
        f.module->checker().setReplyTimeout(150);
        ScriptedPop3Server server(script);
        QString port = portOf(server);
        if (!listening) {
            QTcpServer probe;
            probe.listen(QHostAddress::LocalHost, 0);
            port = QString::number(probe.serverPort()); // free once the probe is gone
        }
        f.setAccounts({ makeAccount("Maison", "jo", "secret", "127.0.0.1", port) });
        QVERIFY(f.checkCurrentAccount(15000));
        QCOMPARE(f.status(0), QStringLiteral("Pas de nouveau message"));
        QCOMPARE(f.statusColour(0), f.skin().textDark());
        QCOMPARE(f.module->checker().MailRetries(), 0);
        if (listening)
            QCOMPARE(server.connections, 11);
    }

    void account_fields_refused_before_connecting_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("status");
        const QString bad = QStringLiteral("<Port non correct>");
        const QString creds = QStringLiteral("<Utilisateur/Mot de Passe>");
        QTest::newRow("port 0") << "jo"
                                << "pw"
                                << "127.0.0.1"
                                << "0" << bad;
        QTest::newRow("port empty") << "jo"
                                    << "pw"
                                    << "127.0.0.1"
                                    << "" << bad;
        QTest::newRow("port not a number") << "jo"
                                           << "pw"
                                           << "127.0.0.1"
                                           << "pop" << bad;
        QTest::newRow("port too large") << "jo"
                                        << "pw"
                                        << "127.0.0.1"
                                        << "70000" << bad;
        QTest::newRow("port negative") << "jo"
                                       << "pw"
                                       << "127.0.0.1"
                                       << "-110" << bad;
        QTest::newRow("port checked first") << ""
                                            << ""
                                            << ""
                                            << "0" << bad;
        QTest::newRow("no user") << ""
                                 << "pw"
                                 << "127.0.0.1"
                                 << "PORT" << creds;
        QTest::newRow("no password") << "jo"
                                     << ""
                                     << "127.0.0.1"
                                     << "PORT" << creds;
        QTest::newRow("no server") << "jo"
                                   << "pw"
                                   << ""
                                   << "PORT" << creds;
    }
    void account_fields_refused_before_connecting()
    {
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(QString, host);
        QFETCH(QString, port);
        QFETCH(QString, status);
        MailModuleFixture f;
        ScriptedPop3Server server(ScriptedPop3Server::normalDialogue("+OK 1 1\r\n"));
        if (port == QLatin1String("PORT"))
            port = portOf(server);
        f.setAccounts({ makeAccount("Maison", user, password, host, port) });
        QVERIFY(f.checkCurrentAccount(100));
        QCOMPARE(f.status(0), status);
        QCOMPARE(f.statusColour(0), f.skin().textError());
        QTest::qWait(50);
        QCOMPARE(server.connections, 0);
    }

    void no_account_makes_no_connection_and_draws_nothing()
    {
        MailModuleFixture f;
        f.setAccounts({});
        QVERIFY(f.checkCurrentAccount(100));
        QCOMPARE(f.module->NbEmailAccounts(), 0);
        QCOMPARE(f.module->findChild<QWidget*>("pictEmailStatus")->height(), 0);
    }
};

QTEST_MAIN(TestPop3Dialogue)
#include "TestPop3Dialogue.moc"
