#pragma once

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

// Stands between the bar and a server on 127.0.0.1: passes every byte both ways, keeps what the
// bar sent, and can cut every connection as a broken network would.
class LoopbackRelay : public QObject {
    Q_OBJECT
public:
    explicit LoopbackRelay(quint16 targetPort);
    QString port() const { return QString::number(m_server.serverPort()); }

    QByteArray fromClient; // over all connections
    int connections = 0;
    // Closes every open connection on both sides.
    void cutAll();

private:
    void onNewConnection();

    QTcpServer m_server;
    quint16 m_target;
    QList<QPointer<QTcpSocket>> m_sockets;
};
