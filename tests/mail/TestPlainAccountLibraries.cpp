#include "MailModuleFixture.h"
#include "ScriptedPop3Server.h"

#include <QFile>
#include <QTest>

// Its own process: the TLS libraries, once mapped, stay mapped.
class TestPlainAccountLibraries : public QObject {
    Q_OBJECT

    static bool tlsLibraryMapped()
    {
        QFile maps(QStringLiteral("/proc/self/maps"));
        if (!maps.open(QIODevice::ReadOnly))
            return false;
        const QByteArray all = maps.readAll();
        return all.contains("libssl") || all.contains("opensslbackend");
    }

private slots:
    // "Aucune (en clair)" accounts; any other may upgrade and needs them.
    void plain_accounts_never_load_the_tls_libraries()
    {
        MailModuleFixture f;
        ScriptedPop3Server server(ScriptedPop3Server::normalDialogue("+OK 0 0\r\n"));
        f.setAccounts(
            { makeAccount("Maison", "jo", "secret", "127.0.0.1", server.port(), "POP3 NONE"),
                makeAccount("Travail", "jo", "secret", "127.0.0.1", server.port(), "POP3 NONE") });
        QVERIFY(f.checkCurrentAccount());
        QVERIFY(f.checkCurrentAccount());
        QCOMPARE(f.entry(1).EmailStatus, QStringLiteral("Pas de nouveau message"));
        QVERIFY(!tlsLibraryMapped());
    }
};

QTEST_MAIN(TestPlainAccountLibraries)
#include "TestPlainAccountLibraries.moc"
