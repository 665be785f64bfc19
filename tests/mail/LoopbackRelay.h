#pragma once

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

// Stands between the bar and a server on 127.0.0.1: passes every byte both ways, keeps what the
// bar sent, and can cut every connection as a broken network would.
class LoopbackRelay : public QObject {
public:
    explicit LoopbackRelay(quint16 targetPort)
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this, targetPort] {
            while (QTcpSocket* client = m_server.nextPendingConnection())
                relay(client, targetPort);
        });
    }
    QString port() const { return QString::number(m_server.serverPort()); }

    QByteArray fromClient; // over all connections
    int connections = 0;
    // Closes every open connection on both sides.
    void cutAll()
    {
        for (const QPointer<QTcpSocket>& socket : std::as_const(m_sockets)) {
            if (socket)
                socket->abort();
        }
        m_sockets.clear();
    }

private:
    void relay(QTcpSocket* client, quint16 targetPort)
    {
        ++connections;
        auto* server = new QTcpSocket(this);
        client->setParent(this);
        m_sockets << client << server;
        connect(client, &QTcpSocket::readyRead, server, [this, client, server] {
            const QByteArray bytes = client->readAll();
            fromClient += bytes;
            server->write(bytes);
        });
        connect(server, &QTcpSocket::readyRead, client,
            [client, server] { client->write(server->readAll()); });
        connect(client, &QTcpSocket::disconnected, server, &QTcpSocket::disconnectFromHost);
        connect(server, &QTcpSocket::disconnected, client, &QTcpSocket::disconnectFromHost);
        server->connectToHost(QHostAddress::LocalHost, targetPort);
    }

    QTcpServer m_server;
    QList<QPointer<QTcpSocket>> m_sockets;
};
