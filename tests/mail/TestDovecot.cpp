#include "DataRow.h"
#include "DovecotServer.h"
#include "LoopbackRelay.h"
#include "MailModuleFixture.h"

#include <QSslSocket>
#include <QTest>

using State = EmailAccountTable::State;

// The POP3 and IMAP checks against a real server, a private Dovecot on loopback: clear, upgraded
// and TLS from the start; the watching IMAP connection that idles.
class TestDovecot : public QObject {
    Q_OBJECT

    DovecotServer m_server; // checks only count, so one server serves all but the failed logins

private slots:
    void initTestCase()
    {
        if (DovecotServer::program().isEmpty())
            QSKIP("dovecot is not installed (scripts/test.sh installs dovecot-core, "
                  "dovecot-pop3d and dovecot-imapd)");
        if (!QSslSocket::supportsSsl())
            QSKIP("no TLS backend in this Qt");
        QVERIFY2(m_server.start(), qPrintable(m_server.error()));
    }

    void mailbox_counts_over_plain_and_tls_data()
    {
        QTest::addColumn<bool>("tls");
        QTest::addColumn<bool>("trusted");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("state");
        const QString three = QStringLiteral("3 message(s) (1,5 Ko)");
        const QString none = QStringLiteral("Pas de nouveau message");
        dataRow("empty box", false, true, "bob", none, int(State::NothingNew));
        dataRow("TLS, three messages", true, true, "alice", three, int(State::NewMessages));
        dataRow("TLS, empty box", true, true, "bob", none, int(State::NothingNew));
        dataRow("TLS, untrusted certificate", true, false, "alice", "<Certificat refus\u00E9>",
            int(State::Error));
    }
    void mailbox_counts_over_plain_and_tls()
    {
        QFETCH(bool, tls);
        QFETCH(bool, trusted);
        QFETCH(QString, user);
        QFETCH(int, state);
        MailModuleFixture f;
        f.module->checker().setImplicitTlsPort(m_server.tlsPort());
        if (trusted)
            f.module->checker().addCaCertificates(m_server.certificate());
        const quint16 port = tls ? m_server.tlsPort() : m_server.plainPort();
        f.setAccounts(
            { makeAccount("Compte", user, "secret", "127.0.0.1", QString::number(port)) });
        QVERIFY(f.checkCurrentAccount());
        QTEST(f.entry(0).EmailStatus, "status");
        QCOMPARE(f.statusColour(0), f.colourOfState(state));
        QCOMPARE(f.module->checker().MailRetries(), 0);
    }

    // What the bar writes is captured on its way to the server.
    void password_never_crosses_in_clear_where_stls_is_offered_data()
    {
        QTest::addColumn<QString>("security");
        QTest::addColumn<bool>("trusted");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("passwordInClear");
        const QString three = QStringLiteral("3 message(s) (1,5 Ko)");
        dataRow("Automatique: upgraded", "", true, three, false);
        dataRow("STARTTLS obligatoire", "POP3 STARTTLS", true, three, false);
        dataRow("refused certificate: no login, no fallback", "", false, "<Certificat refus\u00E9>",
            false);
        dataRow("Aucune: the capture sees a clear login", "POP3 NONE", true, three, true);
    }
    void password_never_crosses_in_clear_where_stls_is_offered()
    {
        QFETCH(QString, security);
        QFETCH(bool, trusted);
        QFETCH(bool, passwordInClear);
        LoopbackRelay relay(m_server.plainPort());
        MailModuleFixture f;
        if (trusted)
            f.module->checker().addCaCertificates(m_server.certificate());
        f.setAccounts(
            { makeAccount("Compte", "alice", "secret", "127.0.0.1", relay.port(), security) });
        QVERIFY(f.checkCurrentAccount());
        QTEST(f.entry(0).EmailStatus, "status");
        QCOMPARE(relay.fromClient.contains("secret"), passwordInClear);
        QCOMPARE(relay.fromClient.contains("USER"), passwordInClear);
        QCOMPARE(relay.fromClient.contains("STLS"), !passwordInClear);
        QCOMPARE(relay.connections, 1);
    }

    void two_accounts_are_checked_one_after_another()
    {
        MailModuleFixture f;
        f.module->checker().addCaCertificates(m_server.certificate());
        const QString port = QString::number(m_server.plainPort());
        f.setAccounts({ makeAccount("Alice", "alice", "secret", "127.0.0.1", port),
            makeAccount("Bob", "bob", "secret", "localhost", port) });
        QVERIFY(f.checkCurrentAccount());
        QCOMPARE(f.entry(1).EmailStatus, QStringLiteral("... Connexion Serveur ..."));
        QCOMPARE(f.module->CurrentEmailAccount(), 1);
        QVERIFY(f.checkCurrentAccount());
        QCOMPARE(f.module->CurrentEmailAccount(), 0);
        QCOMPARE(f.entry(0).EmailStatus, QStringLiteral("3 message(s) (1,5 Ko)"));
        QCOMPARE(f.entry(1).EmailStatus, QStringLiteral("Pas de nouveau message"));
    }

    void unseen_messages_are_counted_data()
    {
        QTest::addColumn<QString>("security");
        QTest::addColumn<bool>("tls");
        QTest::addColumn<bool>("trusted");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("state");
        const QString none = QStringLiteral("Pas de nouveau message");
        const QString three = QStringLiteral("3 message(s) non lu(s)");
        const int fresh = int(State::NewMessages);
        const int nothing = int(State::NothingNew);
        dataRow(
            "clear, read and unread", "IMAP NONE", false, true, "carol", "secret", three, fresh);
        dataRow("Automatique upgrades", "IMAP AUTO", false, true, "carol", "secret", three, fresh);
        dataRow(
            "STARTTLS obligatoire", "IMAP STARTTLS", false, true, "alice", "secret", three, fresh);
        dataRow("SSL/TLS, empty box", "IMAP TLS", true, true, "bob", "secret", none, nothing);
        dataRow("Automatique on the TLS port", "IMAP AUTO", true, true, "carol", "secret", three,
            fresh);
        dataRow("Polish password", "IMAP AUTO", false, true, "jan",
            "za\u017C\u00F3\u0142\u0107 g\u0119\u015Bl\u0105", none, nothing);
        dataRow("French password in clear", "IMAP NONE", false, true, "rene", "mot de passe \u00E9",
            none, nothing);
        dataRow("refused certificate: no login", "IMAP AUTO", false, false, "carol", "secret",
            "<Certificat refus\u00E9>", int(State::Error));
        dataRow("refused certificate on TLS", "IMAP TLS", true, false, "carol", "secret",
            "<Certificat refus\u00E9>", int(State::Error));
    }
    void unseen_messages_are_counted()
    {
        QFETCH(QString, security);
        QFETCH(bool, tls);
        QFETCH(bool, trusted);
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(int, state);
        LoopbackRelay relay(tls ? m_server.imapsPort() : m_server.imapPort());
        MailModuleFixture f;
        if (trusted)
            f.module->checker().addCaCertificates(m_server.certificate());
        if (tls)
            f.module->checker().setImplicitTlsPort(relay.port().toInt());
        f.setAccounts(
            { makeAccount("Compte", user, password, "127.0.0.1", relay.port(), security) });
        QVERIFY(f.checkCurrentAccount());
        QTEST(f.entry(0).EmailStatus, "status");
        QCOMPARE(f.statusColour(0), f.colourOfState(state));
        const bool clear = security == QLatin1String("IMAP NONE");
        const bool ascii = password.toUtf8().size() == password.size(); // else AUTHENTICATE
        QCOMPARE(relay.fromClient.contains(password.toUtf8()), clear && ascii);
        QCOMPARE(
            relay.fromClient.contains("LOGIN") || relay.fromClient.contains("AUTHENTICATE"), clear);
    }

    // In clear, so that the relay shows when the watching connection idles.
    void idle_brings_new_mail_at_once_and_survives_a_dropped_connection()
    {
        LoopbackRelay relay(m_server.imapPort());
        MailModuleFixture f;
        MailChecker& checker = f.module->checker();
        checker.setRetryPauses({ 100, 200 });
        f.setAccounts(
            { makeAccount("Compte", "dave", "secret", "127.0.0.1", relay.port(), "IMAP NONE") });
        QVERIFY(f.checkCurrentAccount());
        const int before = f.entry(0).count;
        QVERIFY(before >= 1);
        QTRY_VERIFY(relay.fromClient.contains(" IDLE\r\n"));
        QCOMPARE(checker.watchedAccounts(), 1);

        QVERIFY(m_server.deliver("dave"));
        QTRY_COMPARE_WITH_TIMEOUT(f.entry(0).count, before + 1, 5000);
        QCOMPARE(f.entry(0).EmailStatus, QStringLiteral("%1 message(s) non lu(s)").arg(before + 1));

        relay.fromClient.clear();
        relay.cutAll();
        QTRY_VERIFY(relay.fromClient.contains(" IDLE\r\n"));
        QCOMPARE(relay.connections, 3);
        QVERIFY(m_server.deliver("dave"));
        QTRY_COMPARE_WITH_TIMEOUT(f.entry(0).count, before + 2, 5000);
        QCOMPARE(checker.watchedAccounts(), 1);
    }

    void idle_is_renewed_before_the_server_ends_it()
    {
        LoopbackRelay relay(m_server.imapPort());
        MailModuleFixture f;
        f.module->checker().setIdleRenewal(300);
        f.setAccounts(
            { makeAccount("Compte", "bob", "secret", "127.0.0.1", relay.port(), "IMAP NONE") });
        QVERIFY(f.checkCurrentAccount());
        QTRY_VERIFY(relay.fromClient.count(" IDLE\r\n") >= 3);
        QVERIFY(relay.fromClient.count("DONE\r\n") >= 2);
        QCOMPARE(relay.connections, 2);
        QCOMPARE(f.entry(0).EmailStatus, QStringLiteral("Pas de nouveau message"));
    }

    // Dovecot holds back logins from an address for a few seconds after a failure: own server.
    void wrong_password_shows_the_server_reply_in_error_colour_data()
    {
        QTest::addColumn<QString>("security");
        QTest::addColumn<QString>("reply");
        dataRow("POP3", "POP3 NONE", "-ERR");
        dataRow("IMAP", "IMAP NONE", "NO ");
    }
    void wrong_password_shows_the_server_reply_in_error_colour()
    {
        QFETCH(QString, security);
        QFETCH(QString, reply);
        DovecotServer server;
        QVERIFY2(server.start(), qPrintable(server.error()));
        const bool imap = security.startsWith(QLatin1String("IMAP"));
        MailModuleFixture f;
        f.setAccounts({ makeAccount("Compte", "carol", "wrong", "127.0.0.1",
            QString::number(imap ? server.imapPort() : server.plainPort()), security) });
        QVERIFY(f.checkCurrentAccount());
        QVERIFY2(f.entry(0).EmailStatus.startsWith(reply), qPrintable(f.entry(0).EmailStatus));
        QCOMPARE(f.statusColour(0), f.app.skin.textError());
    }
};

QTEST_MAIN(TestDovecot)
#include "TestDovecot.moc"
