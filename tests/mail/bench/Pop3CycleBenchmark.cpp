// Times full checks (connect, greeting, USER, PASS, STAT, QUIT) against a private Dovecot on
// loopback, over plain TCP and over TLS, and prints the figures.
#include "../DovecotServer.h"
#include "mail/MailChecker.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

struct Run {
    const char* label;
    quint16 port;
    QList<double> millis;
};

class Bench : public QObject {
public:
    Bench(DovecotServer& server, int rounds)
        : m_rounds(rounds)
    {
        m_runs = { { "plain", server.plainPort(), {} }, { "TLS", server.tlsPort(), {} } };
        m_checker.setImplicitTlsPort(server.tlsPort());
        m_checker.addCaCertificates(server.certificate());
        connect(&m_checker, &MailChecker::accountDone, this, &Bench::onDone);
    }
    void start() { next(); }

private:
    void next()
    {
        if (m_run == m_runs.size()) {
            report();
            QCoreApplication::quit();
            return;
        }
        const QString line
            = QStringLiteral("Bench;b@x;alice;secret;127.0.0.1;%1").arg(m_runs[m_run].port);
        m_checker.table().load({ line });
        m_clock.start();
        m_checker.CheckEmailAccount();
    }
    void onDone()
    {
        Run& run = m_runs[m_run];
        run.millis.append(m_clock.nsecsElapsed() / 1e6);
        if (m_checker.table().at(0).EmailState != 1)
            std::printf("unexpected status: %s\n", qPrintable(m_checker.table().at(0).EmailStatus));
        if (run.millis.size() == m_rounds)
            ++m_run;
        QTimer::singleShot(0, this, &Bench::next);
    }
    void report() const
    {
        for (const Run& run : m_runs) {
            QList<double> sorted = run.millis;
            std::sort(sorted.begin(), sorted.end());
            double sum = 0;
            for (double v : sorted)
                sum += v;
            std::printf("%-5s %d checks: median %.2f ms, mean %.2f ms, min %.2f ms, max %.2f ms\n",
                run.label, int(sorted.size()), sorted[sorted.size() / 2], sum / sorted.size(),
                sorted.first(), sorted.last());
        }
    }

    int m_rounds;
    QList<Run> m_runs;
    int m_run = 0;
    MailChecker m_checker;
    QElapsedTimer m_clock;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    DovecotServer server;
    const QByteArray message = DovecotServer::messageOfSize(512);
    QElapsedTimer startup;
    startup.start();
    if (!server.start({ { "alice", "secret", { message, message, message } } })) {
        std::fprintf(stderr, "%s\n", qPrintable(server.error()));
        return 1;
    }
    std::printf("dovecot ready in %lld ms\n", startup.elapsed());
    Bench bench(server, 50);
    QTimer::singleShot(0, &bench, &Bench::start);
    const int result = app.exec();
    server.stop();
    return result;
}
