// Starts a private Dovecot on 127.0.0.1 and writes an accounts file into the data folder given:
// by default one POP3 and one IMAP account, or as many as asked, POP3 and IMAP in turn (an IMAP
// one last for an even count). Prints "ready <POP3 port> <IMAP port>", then keeps the server
// until its standard input ends.   mail_demo <data folder> [accounts]
#include "DovecotServer.h"
#include "mail/EmailAccountsFile.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <string>

// The server's users with mail in their inbox or none, in turn, so the counts differ.
static QList<EmailAccount> demoAccounts(int count, const QString& pop3, const QString& imap)
{
    // In clear: the demonstration's server has a certificate the system does not trust.
    QList<EmailAccount> accounts {
        { { "Maison (POP3)", "alice@example.fr", "alice", "secret", "127.0.0.1", pop3 },
            "POP3 NONE" },
        { { "Travail (IMAP)", "carol@example.fr", "carol", "secret", "127.0.0.1", imap },
            "IMAP NONE" },
    };
    const char* users[] = { "alice", "bob", "carol", "dave" };
    for (int n = 3; n <= count; ++n) {
        const bool isImap = n % 2 == 0;
        const QString user = QLatin1String(users[(n - 1) / 2 % 4]);
        const QString name = QStringLiteral("Compte %1 (%2)").arg(n).arg(isImap ? "IMAP" : "POP3");
        accounts.append(
            { { name, user + "@example.fr", user, "secret", "127.0.0.1", isImap ? imap : pop3 },
                isImap ? "IMAP NONE" : "POP3 NONE" });
    }
    return accounts.mid(0, count);
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc == 3 ? QString::fromLocal8Bit(argv[2]).toInt() : 2;
    if (argc < 2 || argc > 3 || count < 1) {
        std::fprintf(stderr, "usage: mail_demo <data folder> [accounts]\n");
        return 2;
    }
    DovecotServer server;
    // As shipped: an idling connection costs the shared machine a look every half minute, not
    // every second.
    server.setIdleCheckSeconds(30);
    if (!server.start()) {
        std::fprintf(stderr, "%s\n", qPrintable(server.error()));
        return 1;
    }
    const QString pop3 = QString::number(server.plainPort());
    const QString imap = QString::number(server.imapPort());
    if (!EmailAccountsFile::SaveEmailAccounts(
            QString::fromLocal8Bit(argv[1]), demoAccounts(count, pop3, imap), nullptr))
        return 1;
    std::printf("ready %s %s\n", qPrintable(pop3), qPrintable(imap));
    std::fflush(stdout);
    std::string line;
    while (std::getline(std::cin, line)) { }
    return 0;
}
