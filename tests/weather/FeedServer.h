#pragma once

#include <QFile>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

// A weather feed on a free port of 127.0.0.1, served from the test's own event loop: every GET
// gets the answer the test set, and its request line is kept.
class FeedServer {
public:
    FeedServer()
    {
        m_server.listen(QHostAddress::LocalHost);
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                QObject::connect(socket, &QTcpSocket::readyRead, socket,
                    [this, socket, request = QByteArray()]() mutable {
                        // Read whole: unread bytes would make the close a reset.
                        const bool whole = request.contains("\r\n\r\n");
                        request += socket->readAll();
                        if (!whole && request.contains("\r\n\r\n"))
                            respond(socket, request.left(request.indexOf("\r\n")));
                    });
        });
    }
    QString authority() const { return QStringLiteral("127.0.0.1:%1").arg(m_server.serverPort()); }

    // From now on every request gets this answer; the requests and closings so far are
    // forgotten.
    void answer(int status, const QByteArray& body)
    {
        m_status = status;
        m_body = body;
        m_location.clear();
        m_mode = "answer";
        m_requests.clear();
        m_closedAfter.clear();
    }
    // Requests outside /moved/ are sent there instead.
    void redirectTo(const QByteArray& location) { m_location = location; }
    // "answer", "hang" (never), "close" (drops the connection), "dribble" (a status line, then a
    // header that never ends, one byte a second) or "flood" (that header as fast as it is taken)
    void setMode(const QByteArray& mode) { m_mode = mode; }
    // The bytes each dribbled or flooded answer had sent when the client closed its connection.
    QList<qint64> closedAfterBytes() const { return m_closedAfter; }
    QStringList requestLines() const { return m_requests; }

    // A full current-conditions document of the XML feed, or another file of this folder.
    static QByteArray fixture(const char* name = "current_conditions.xml")
    {
        QFile file(qEnvironmentVariable("TOLVANE_SOURCE_DIR") + "/tests/weather/" + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    void respond(QTcpSocket* socket, const QByteArray& requestLine)
    {
        m_requests.append(QString::fromLatin1(requestLine));
        if (m_mode == "dribble" || m_mode == "flood")
            return flood(socket, m_mode == "flood");
        if (m_mode == "close")
            socket->disconnectFromHost();
        if (m_mode != "answer")
            return;
        const bool moved = !m_location.isEmpty() && !requestLine.startsWith("GET /moved/");
        const QByteArray body = moved ? QByteArray() : m_body;
        socket->write("HTTP/1.1 " + QByteArray::number(moved ? 302 : m_status) + " Feed\r\n"
            + (moved ? "Location: " + m_location + "\r\n" : QByteArray())
            + "Content-Type: text/xml\r\nContent-Length: " + QByteArray::number(body.size())
            + "\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    void flood(QTcpSocket* socket, bool fast)
    {
        static constexpr qint64 kLimit = 256 * 1024 * 1024;
        const auto sent = std::make_shared<qint64>(0);
        const auto more = [socket, sent, fast] {
            if (socket->state() == QAbstractSocket::ConnectedState && *sent < kLimit
                && socket->bytesToWrite() < 65536)
                socket->write(fast ? QByteArray(65536, 'a') : QByteArray("a"));
        };
        QObject::connect(socket, &QTcpSocket::bytesWritten, socket, [sent, more, fast](qint64 n) {
            *sent += n;
            if (fast)
                more();
        });
        QObject::connect(socket, &QTcpSocket::disconnected, socket,
            [this, sent] { m_closedAfter.append(*sent); });
        socket->write("HTTP/1.1 200 OK\r\nX-Padding: ");
        if (!fast) {
            auto* timer = new QTimer(socket);
            QObject::connect(timer, &QTimer::timeout, socket, more);
            timer->start(1000);
        }
    }

    int m_status = 200;
    QByteArray m_body;
    QByteArray m_location;
    QByteArray m_mode = "answer";
    QStringList m_requests;
    QList<qint64> m_closedAfter;
    QTcpServer m_server; // last: its connections go first
};
