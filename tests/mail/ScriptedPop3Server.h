#pragma once

#include <QByteArrayList>
#include <QElapsedTimer>
#include <QTcpServer>

// A POP3 peer on 127.0.0.1 that plays a script, for what a real server never does: replies cut
// in pieces, replies run together, silence, garbage, closing in the middle.
// Every connection plays the script from its start: the first step on connection, each further
// one after a whole line has been received.
class ScriptedPop3Server : public QObject {
    Q_OBJECT
public:
    struct Step {
        QByteArrayList chunks; // written 40 ms apart; none means silence
        bool closeAfter = false;
    };
    using Script = QList<Step>;

    explicit ScriptedPop3Server(const Script& script);
    QString port() const { return QString::number(m_server.serverPort()); }
    // The script of the connections still to come.
    void setScript(const Script& script) { m_script = script; }
    // A well-behaved dialogue ending with the given reply to STAT.
    static Script normalDialogue(const QByteArray& statReply);

    QByteArrayList receivedLines; // over all connections, as sent, line ends included
    int connections = 0;
    QList<qint64> connectionTimes; // milliseconds since the server started

private:
    void onNewConnection();
    void play(class QTcpSocket* socket, int step);

    QTcpServer m_server;
    QElapsedTimer m_clock;
    Script m_script;
};
