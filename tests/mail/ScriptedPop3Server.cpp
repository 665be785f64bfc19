#include "ScriptedPop3Server.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <memory>

ScriptedPop3Server::ScriptedPop3Server(const QList<Step>& script, int pauseMs)
    : m_script(script)
    , m_pauseMs(pauseMs)
{
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, &ScriptedPop3Server::onNewConnection);
}

QList<ScriptedPop3Server::Step> ScriptedPop3Server::normalDialogue(const QByteArray& statReply)
{
    return { { { "+OK ready\r\n" } }, { { "+OK\r\n" } }, { { "+OK Logged in.\r\n" } },
        { { statReply } }, { { "+OK Bye\r\n" }, true } };
}

void ScriptedPop3Server::onNewConnection()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        ++connections;
        auto step = std::make_shared<int>(0);
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, step, buffer] {
            *buffer += socket->readAll();
            qsizetype end;
            while ((end = buffer->indexOf('\n')) >= 0) {
                receivedLines.append(buffer->left(end).trimmed());
                buffer->remove(0, end + 1);
                play(socket, ++*step);
            }
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        play(socket, 0);
    }
}

void ScriptedPop3Server::play(QTcpSocket* socket, int step)
{
    if (step >= m_script.size())
        return;
    const Step& s = m_script[step];
    QPointer<QTcpSocket> guarded(socket);
    for (int n = 0; n < s.chunks.size(); ++n) {
        const QByteArray chunk = s.chunks[n];
        const bool last = n == s.chunks.size() - 1;
        const bool close = last && s.closeAfter;
        QTimer::singleShot(n * m_pauseMs, this, [guarded, chunk, close] {
            if (!guarded)
                return;
            guarded->write(chunk);
            guarded->flush();
            if (close)
                guarded->disconnectFromHost();
        });
    }
    if (s.chunks.isEmpty() && s.closeAfter)
        socket->disconnectFromHost();
}
