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

    // What the bar writes is captured on its way to the server: the password never crosses in
    // clear unless the account asks for it, nor after a refused certificate.
    void mailbox_is_counted_over_every_security_data()
    {
        QTest::addColumn<QString>("security");
        QTest::addColumn<bool>("tls");
        QTest::addColumn<bool>("trusted");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("state");
        const QString none = QStringLiteral("Pas de nouveau message");
        const QString three = QStringLiteral("3 message(s) (1,5 Ko)");
        const QString unseen = QStringLiteral("3 message(s) non lu(s)");
        const QString refused = QStringLiteral("<Certificat refus\u00E9>");
        const int fresh = int(State::NewMessages);
        const int nothing = int(State::NothingNew);
        const int error = int(State::Error);
        dataRow("POP3 Aucune", "POP3 NONE", false, true, "alice", "secret", three, fresh);
        dataRow("POP3 STARTTLS", "POP3 STARTTLS", false, true, "alice", "secret", three, fresh);
        dataRow("POP3 on the TLS port", "", true, true, "alice", "secret", three, fresh);
        dataRow("POP3 refused certificate", "", false, false, "alice", "secret", refused, error);
        dataRow("POP3 French password in clear", "POP3 NONE", false, true, "rene",
            "mot de passe \u00E9", none, nothing);
        dataRow("IMAP Aucune", "IMAP NONE", false, true, "carol", "secret", unseen, fresh);
        dataRow("IMAP STARTTLS", "IMAP STARTTLS", false, true, "alice", "secret", unseen, fresh);
        dataRow("IMAP Automatique on the TLS port", "IMAP AUTO", true, true, "carol", "secret",
            unseen, fresh);
        dataRow("IMAP Polish password", "IMAP AUTO", false, true, "jan",
            "za\u017C\u00F3\u0142\u0107 g\u0119\u015Bl\u0105", none, nothing);
        dataRow("IMAP French password in clear", "IMAP NONE", false, true, "rene",
            "mot de passe \u00E9", none, nothing);
        dataRow("IMAP refused certificate", "IMAP AUTO", false, false, "carol", "secret", refused,
            error);
        dataRow("IMAP refused certificate on TLS", "IMAP TLS", true, false, "carol", "secret",
            refused, error);
    }
    void mailbox_is_counted_over_every_security()
    {
        QFETCH(QString, security);
        QFETCH(bool, tls);
        QFETCH(bool, trusted);
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(int, state);
        const bool imap = security.startsWith(QLatin1String("IMAP"));
        LoopbackRelay relay(imap ? (tls ? m_server.imapsPort() : m_server.imapPort())
                                 : (tls ? m_server.tlsPort() : m_server.plainPort()));
        MailModuleFixture f;
        if (trusted)
            f.module->checker().addCaCertificates(m_server.certificate());
        if (tls)
            f.module->checker().setImplicitTlsPort(relay.port().toInt());
        f.setAccounts(
            { makeAccount("Compte", user, password, "localhost", relay.port(), security) });
        QVERIFY(f.checkCurrentAccount());
        QTEST(f.entry(0).EmailStatus, "status");
        QCOMPARE(f.statusColour(0), f.colourOfState(state));
        QCOMPARE(f.module->checker().MailRetries(), 0);
        const bool clear = security.endsWith(QLatin1String("NONE"));
        // IMAP sends a password beyond ASCII with AUTHENTICATE, POP3 as it is in UTF-8.
        const bool ascii = password.toUtf8().size() == password.size();
        QCOMPARE(relay.fromClient.contains(password.toUtf8()), clear && (ascii || !imap));
        QCOMPARE(relay.fromClient.contains("USER") || relay.fromClient.contains("LOGIN")
                || relay.fromClient.contains("AUTHENTICATE"),
            clear);
        if (state == int(State::Error))
            QCOMPARE(relay.connections, 1); // no second try in clear
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
