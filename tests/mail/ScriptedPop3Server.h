#pragma once

#include <QByteArrayList>
#include <QElapsedTimer>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

// A POP3 peer on 127.0.0.1 that plays a script, for what a real server never does: replies cut
// in pieces, replies run together, silence, garbage, closing in the middle.
// Every connection plays the script from its start: the first step on connection, each further
// one after a whole line has been received.
class ScriptedPop3Server : public QObject {
public:
    struct Step {
        QByteArrayList chunks; // written 40 ms apart; none means silence
        bool closeAfter = false;
    };
    using Script = QList<Step>;

    explicit ScriptedPop3Server(const Script& script)
        : m_script(script)
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        m_clock.start();
        connect(&m_server, &QTcpServer::newConnection, this, &ScriptedPop3Server::onNewConnection);
    }
    QString port() const { return QString::number(m_server.serverPort()); }
    // The script of the connections still to come.
    void setScript(const Script& script) { m_script = script; }
    // A well-behaved dialogue ending with the given reply to STAT.
    static Script normalDialogue(const QByteArray& statReply)
    {
        return { { { "+OK ready\r\n" } }, { { "+OK\r\n" } }, { { "+OK Logged in.\r\n" } },
            { { statReply } }, { { "+OK Bye\r\n" }, true } };
    }

    QByteArrayList receivedLines; // over all connections, as sent, line ends included
    int connections = 0;
    QList<qint64> connectionTimes; // milliseconds since the server started

private:
    void onNewConnection()
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

    void play(QTcpSocket* socket, int step)
    {
        if (step >= m_script.size())
            return;
        const Step& s = m_script[step];
        if (s.chunks.isEmpty() && s.closeAfter)
            socket->disconnectFromHost();
        for (int n = 0; n < s.chunks.size(); ++n) {
            const bool close = s.closeAfter && n == s.chunks.size() - 1;
            QTimer::singleShot(
                n * 40, this, [socket = QPointer(socket), chunk = s.chunks[n], close] {
                    if (!socket)
                        return;
                    socket->write(chunk);
                    socket->flush();
                    if (close)
                        socket->disconnectFromHost();
                });
        }
    }

    QTcpServer m_server;
    QElapsedTimer m_clock;
    Script m_script;
};
