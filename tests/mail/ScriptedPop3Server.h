#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QList>
#include <QTcpServer>

// A POP3 peer on 127.0.0.1 that plays a script, for what a real server never does: replies cut
// in pieces, replies run together, silence, garbage, closing in the middle.
// Every connection plays the script from its start. The first step is sent on connection,
// each further one after a whole line has been received.
class ScriptedPop3Server : public QObject {
    Q_OBJECT
public:
    struct Step {
        QByteArrayList chunks; // written one by one, pauseMs apart; none means silence
        bool closeAfter = false;
    };

    explicit ScriptedPop3Server(const QList<Step>& script, int pauseMs = 40);
    quint16 port() const { return m_server.serverPort(); }

    // A well-behaved dialogue ending with the given reply to STAT.
    static QList<Step> normalDialogue(const QByteArray& statReply);

    QByteArrayList receivedLines; // over all connections, line ends removed
    int connections = 0;

private:
    void onNewConnection();
    void play(class QTcpSocket* socket, int step);

    QTcpServer m_server;
    QList<Step> m_script;
    int m_pauseMs;
};
