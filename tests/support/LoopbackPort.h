#pragma once

#include <QTcpServer>

// A port of 127.0.0.1 that nothing listens on: free for a server to take, refused to a client.
inline quint16 freeLoopbackPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}
