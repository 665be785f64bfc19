// The POP3 dialogue against a server that answers anything: the input is sent as the server's
// whole side of the conversation, then the server hangs up. The check ends without a crash and
// with a status that fits in a line.
#include "FuzzSupport.h"
#include "mail/MailChecker.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>

namespace {

struct Peer {
    QTcpServer server;
    QByteArray script;
    bool served = false;
    bool hungUp = false;

    Peer()
    {
        if (!server.listen(QHostAddress::LocalHost))
            std::abort();
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* client = server.nextPendingConnection()) {
                QObject::connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
                if (!served)
                    client->write(script);
                served = true;
                client->disconnectFromHost();
                hungUp = true;
            }
        });
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Fuzz::application();
    static Peer peer;
    static MailChecker checker;
    checker.setRetryPauses({}); // the dialogue is under test, not the pacing of retries
    peer.script = Fuzz::bytes(data, size);
    peer.served = false;
    peer.hungUp = false;
    checker.table().load({ QStringLiteral("fuzz;jo@example.fr;jo;secret;127.0.0.1;%1")
                               .arg(peer.server.serverPort()) });
    bool done = false;
    const QMetaObject::Connection finished
        = QObject::connect(&checker, &MailChecker::accountDone, [&done] { done = true; });
    checker.CheckEmailAccount();
    QElapsedTimer clock;
    clock.start();
    int afterHangUp = 0;
    while (!done && clock.elapsed() < 2000 && afterHangUp < 200) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        if (peer.hungUp)
            ++afterHangUp;
    }
    checker.abortCheck();
    QObject::disconnect(finished);
    QCoreApplication::processEvents();
    const QString status = checker.table().at(0).EmailStatus;
    FUZZ_CHECK(status.size() <= MailChecker::kMaxReplyLine);
    return 0;
}
