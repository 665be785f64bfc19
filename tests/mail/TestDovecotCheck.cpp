#include "DataRow.h"
#include "DovecotServer.h"
#include "LoopbackRelay.h"
#include "MailModuleFixture.h"

#include <QSslSocket>
#include <QTest>

using State = EmailAccountTable::State;

// The POP3 check against a real server, a private Dovecot on loopback.
class TestDovecotCheck : public QObject {
    Q_OBJECT

    DovecotServer m_shared; // checks only count, so one server serves all but the failed login

private slots:
    void initTestCase()
    {
        if (DovecotServer::program().isEmpty())
            QSKIP("dovecot is not installed (scripts/test.sh installs dovecot-core and "
                  "dovecot-pop3d)");
        QVERIFY2(m_shared.start(), qPrintable(m_shared.error()));
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
        dataRow("three messages", false, true, "alice", three, int(State::NewMessages));
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
        if (tls && !QSslSocket::supportsSsl())
            QSKIP("no TLS backend in this Qt");
        MailModuleFixture f;
        f.module->checker().setImplicitTlsPort(m_shared.tlsPort());
        if (trusted)
            f.module->checker().addCaCertificates(m_shared.certificate());
        const quint16 port = tls ? m_shared.tlsPort() : m_shared.plainPort();
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
        if (!QSslSocket::supportsSsl())
            QSKIP("no TLS backend in this Qt");
        LoopbackRelay relay(m_shared.plainPort());
        MailModuleFixture f;
        if (trusted)
            f.module->checker().addCaCertificates(m_shared.certificate());
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
        f.module->checker().addCaCertificates(m_shared.certificate());
        const QString port = QString::number(m_shared.plainPort());
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

    // Dovecot holds back logins from an address for a few seconds after a failure: own server.
    void wrong_password_shows_the_server_reply_in_error_colour()
    {
        DovecotServer server;
        QVERIFY2(server.start(), qPrintable(server.error()));
        MailModuleFixture f;
        f.module->checker().addCaCertificates(server.certificate());
        f.setAccounts({ makeAccount(
            "Compte", "alice", "wrong", "127.0.0.1", QString::number(server.plainPort())) });
        QVERIFY(f.checkCurrentAccount());
        QVERIFY2(f.entry(0).EmailStatus.startsWith(QLatin1String("-ERR")),
            qPrintable(f.entry(0).EmailStatus));
        QCOMPARE(f.statusColour(0), f.app.skin.textError());
    }
};

QTEST_MAIN(TestDovecotCheck)
#include "TestDovecotCheck.moc"
