// Starts a private Dovecot on 127.0.0.1 and writes an accounts file with one POP3 and one IMAP
// account on it into the data folder given; prints "ready", then keeps the server until its
// standard input ends.   mail_demo <data folder>
#include "DovecotServer.h"
#include "mail/EmailAccountsFile.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: mail_demo <data folder>\n");
        return 2;
    }
    DovecotServer server;
    if (!server.start()) {
        std::fprintf(stderr, "%s\n", qPrintable(server.error()));
        return 1;
    }
    const QString pop3 = QString::number(server.plainPort());
    const QString imap = QString::number(server.imapPort());
    // In clear: the demonstration's server has a certificate the system does not trust.
    const QList<EmailAccount> accounts {
        { { "Maison (POP3)", "alice@example.fr", "alice", "secret", "127.0.0.1", pop3 },
            "POP3 NONE" },
        { { "Travail (IMAP)", "carol@example.fr", "carol", "secret", "127.0.0.1", imap },
            "IMAP NONE" },
    };
    if (!EmailAccountsFile::SaveEmailAccounts(QString::fromLocal8Bit(argv[1]), accounts, nullptr))
        return 1;
    std::printf("ready\n");
    std::fflush(stdout);
    std::string line;
    while (std::getline(std::cin, line)) { }
    return 0;
}
