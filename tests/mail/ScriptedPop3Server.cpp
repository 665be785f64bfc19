#include "ScriptedPop3Server.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

ScriptedPop3Server::ScriptedPop3Server(const Script& script)
    : m_script(script)
{
    m_server.listen(QHostAddress::LocalHost, 0);
    m_clock.start();
    connect(&m_server, &QTcpServer::newConnection, this, &ScriptedPop3Server::onNewConnection);
}

ScriptedPop3Server::Script ScriptedPop3Server::normalDialogue(const QByteArray& statReply)
{
    return { { { "+OK ready\r\n" } }, { { "+OK\r\n" } }, { { "+OK Logged in.\r\n" } },
        { { statReply } }, { { "+OK Bye\r\n" }, true } };
}

void ScriptedPop3Server::onNewConnection()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        ++connections;
        connectionTimes.append(m_clock.elapsed());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, step = 0]() mutable {
            while (socket->canReadLine()) {
                receivedLines.append(socket->readLine());
                play(socket, ++step);
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
    if (s.chunks.isEmpty() && s.closeAfter)
        socket->disconnectFromHost();
    for (int n = 0; n < s.chunks.size(); ++n) {
        const bool close = s.closeAfter && n == s.chunks.size() - 1;
        QTimer::singleShot(n * 40, this, [socket = QPointer(socket), chunk = s.chunks[n], close] {
            if (!socket)
                return;
            socket->write(chunk);
            socket->flush();
            if (close)
                socket->disconnectFromHost();
        });
    }
}
