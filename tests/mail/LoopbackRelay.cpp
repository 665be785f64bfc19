#include "LoopbackRelay.h"

LoopbackRelay::LoopbackRelay(quint16 targetPort)
    : m_target(targetPort)
{
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, &LoopbackRelay::onNewConnection);
}

void LoopbackRelay::onNewConnection()
{
    while (QTcpSocket* client = m_server.nextPendingConnection()) {
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
        server->connectToHost(QHostAddress::LocalHost, m_target);
    }
}

void LoopbackRelay::cutAll()
{
    for (const QPointer<QTcpSocket>& socket : std::as_const(m_sockets)) {
        if (socket)
            socket->abort();
    }
    m_sockets.clear();
}
