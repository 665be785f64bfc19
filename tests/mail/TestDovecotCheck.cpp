#include "DovecotServer.h"
#include "MailModuleFixture.h"

#include <QSslSocket>
#include <QTest>

// The check against a real POP3 server, a private Dovecot on loopback.
class TestDovecotCheck : public QObject {
    Q_OBJECT

    static QList<DovecotServer::Mailbox> mailboxes()
    {
        const QByteArray message = DovecotServer::messageOfSize(512);
        return { { "alice", "secret", { message, message, message } }, { "bob", "pw2", {} } };
    }
    // Starts a fresh server for the running test, or skips it.
    static bool startServer(DovecotServer& server)
    {
        if (DovecotServer::program().isEmpty()) {
            QTest::qSkip("dovecot is not installed (scripts/test.sh installs dovecot-core and "
                         "dovecot-pop3d)",
                __FILE__, __LINE__);
            return false;
        }
        if (!server.start(mailboxes())) {
            QTest::qFail(qPrintable(server.error()), __FILE__, __LINE__);
            return false;
        }
        return true;
    }
    static QString port(quint16 value) { return QString::number(value); }

    // Checks only count, so one server serves every case but the failed login.
    DovecotServer m_shared;
    bool m_sharedReady = false;

    bool sharedServer()
    {
        if (DovecotServer::program().isEmpty() || !m_sharedReady)
            return startServer(m_shared);
        return true;
    }

private slots:
    void initTestCase()
    {
        m_sharedReady = !DovecotServer::program().isEmpty() && m_shared.start(mailboxes());
    }
    void cleanupTestCase() { m_shared.stop(); }

    void mailbox_counts_over_plain_and_tls_data()
    {
        QTest::addColumn<bool>("tls");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("state");
        QTest::newRow("three messages") << false << "alice"
                                        << "secret"
                                        << "3 message(s) (1,5 Ko)" << 1;
        QTest::newRow("empty box") << false << "bob"
                                   << "pw2"
                                   << "Pas de nouveau message" << 0;
        QTest::newRow("three messages over TLS") << true << "alice"
                                                 << "secret"
                                                 << "3 message(s) (1,5 Ko)" << 1;
        QTest::newRow("empty box over TLS") << true << "bob"
                                            << "pw2"
                                            << "Pas de nouveau message" << 0;
    }
    void mailbox_counts_over_plain_and_tls()
    {
        QFETCH(bool, tls);
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(QString, status);
        QFETCH(int, state);
        if (tls && !QSslSocket::supportsSsl())
            QSKIP("no TLS backend in this Qt");
        if (!sharedServer())
            return;
        DovecotServer& server = m_shared;
        MailModuleFixture f;
        f.module->checker().setImplicitTlsPort(server.tlsPort());
        f.module->checker().addCaCertificates(server.certificate());
        const quint16 p = tls ? server.tlsPort() : server.plainPort();
        f.setAccounts({ makeAccount("Compte", user, password, "127.0.0.1", port(p)) });
        QVERIFY(f.checkCurrentAccount());
        QCOMPARE(f.status(0), status);
        QCOMPARE(f.state(0), state);
        QCOMPARE(f.statusColour(0), state == 1 ? f.skin().textLight() : f.skin().textDark());
    }

    void untrusted_certificate_is_refused_in_error_colour()
    {
        if (!QSslSocket::supportsSsl())
            QSKIP("no TLS backend in this Qt");
        if (!sharedServer())
            return;
        DovecotServer& server = m_shared;
        MailModuleFixture f;
        f.module->checker().setImplicitTlsPort(server.tlsPort());
        f.setAccounts(
            { makeAccount("Compte", "alice", "secret", "127.0.0.1", port(server.tlsPort())) });
        QVERIFY(f.checkCurrentAccount());
        QCOMPARE(f.status(0), QStringLiteral("<Certificat refus\u00E9>"));
        QCOMPARE(f.statusColour(0), f.skin().textError());
        QCOMPARE(f.module->checker().MailRetries(), 0);
    }

    void two_accounts_are_checked_one_after_another()
    {
        if (!sharedServer())
            return;
        DovecotServer& server = m_shared;
        MailModuleFixture f;
        const QString p = port(server.plainPort());
        f.setAccounts({ makeAccount("Alice", "alice", "secret", "127.0.0.1", p),
            makeAccount("Bob", "bob", "pw2", "localhost", p) });
        QVERIFY(f.checkCurrentAccount());
        QCOMPARE(f.status(0), QStringLiteral("3 message(s) (1,5 Ko)"));
        QCOMPARE(f.status(1), QStringLiteral("... Connexion Serveur ..."));
        QCOMPARE(f.module->CurrentEmailAccount(), 1);
        QVERIFY(f.checkCurrentAccount());
        QCOMPARE(f.status(1), QStringLiteral("Pas de nouveau message"));
        QCOMPARE(f.module->CurrentEmailAccount(), 0);
        QCOMPARE(f.statusColour(0), f.skin().textLight());
        QCOMPARE(f.statusColour(1), f.skin().textDark());
    }

    // Dovecot holds back logins from an address for a few seconds after a failure: own server.
    void wrong_password_shows_the_server_reply_in_error_colour()
    {
        DovecotServer server;
        if (!startServer(server))
            return;
        MailModuleFixture f;
        f.setAccounts(
            { makeAccount("Compte", "alice", "wrong", "127.0.0.1", port(server.plainPort())) });
        QVERIFY(f.checkCurrentAccount());
        QVERIFY2(f.status(0).startsWith(QLatin1String("-ERR")), qPrintable(f.status(0)));
        QCOMPARE(f.state(0), 99);
        QCOMPARE(f.statusColour(0), f.skin().textError());
    }
};

QTEST_MAIN(TestDovecotCheck)
#include "TestDovecotCheck.moc"
