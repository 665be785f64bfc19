// Times full checks (connect, greeting, USER, PASS, STAT, QUIT) against a private Dovecot on
// loopback, over plain TCP and over TLS, and prints the figures.
#include "../DovecotServer.h"
#include "mail/MailChecker.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <tuple>

static QList<double> timeChecks(
    MailChecker& checker, const QString& protocol, quint16 port, int rounds)
{
    QEventLoop loop;
    QObject::connect(&checker, &MailChecker::accountDone, &loop, &QEventLoop::quit);
    QList<double> millis;
    QElapsedTimer clock;
    for (int n = 0; n < rounds; ++n) {
        checker.table().load(
            { QStringLiteral("Bench;b@x;alice;secret;127.0.0.1;%1;%2").arg(port).arg(protocol) });
        clock.start();
        checker.CheckEmailAccount();
        loop.exec();
        millis.append(clock.nsecsElapsed() / 1e6);
        if (checker.table().at(0).EmailState != EmailAccountTable::NewMessages)
            std::printf("unexpected status: %s\n", qPrintable(checker.table().at(0).EmailStatus));
    }
    std::sort(millis.begin(), millis.end());
    return millis;
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    DovecotServer server;
    QElapsedTimer startup;
    startup.start();
    if (!server.start()) {
        std::fprintf(stderr, "%s\n", qPrintable(server.error()));
        return 1;
    }
    std::printf("dovecot ready in %lld ms\n", startup.elapsed());
    MailChecker checker;
    checker.setImplicitTlsPort(server.tlsPort());
    checker.addCaCertificates(server.certificate());
    const std::tuple<const char*, const char*, quint16> kinds[] = {
        { "POP3 plain", "POP3 NONE", server.plainPort() },
        { "POP3 STLS", "POP3 STARTTLS", server.plainPort() },
        { "POP3 TLS", "POP3 TLS", server.tlsPort() },
        { "IMAP plain", "IMAP NONE", server.imapPort() },
        { "IMAP STARTTLS", "IMAP STARTTLS", server.imapPort() },
        { "IMAP TLS", "IMAP TLS", server.imapsPort() },
    };
    for (const auto& [label, protocol, port] : kinds) {
        const QList<double> ms = timeChecks(checker, QLatin1String(protocol), port, 50);
        std::printf("%-13s %d checks: median %.2f ms, mean %.2f ms, min %.2f ms, max %.2f ms\n",
            label, int(ms.size()), ms[ms.size() / 2],
            std::accumulate(ms.begin(), ms.end(), 0.0) / ms.size(), ms.first(), ms.last());
    }
    return 0;
}
