#pragma once

#include "HttpReply.h"

#include <QAbstractSocket>
#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <QUrl>

#include <optional>

class QSslSocket;

// One HTTP GET at a time, never blocking the window: the answer arrives through finished().
// A transfer fails when the server cannot be reached, answers with an error status, sends more
// than the caps (header section or body) or takes longer than the time-out; the connection is
// then closed at once, so nothing more is read. Redirections are followed, never from https
// to http.
//
// The socket is ours, in this thread: a server that floods a header that never ends cannot
// keep a reading loop out of reach of the time-out, and nothing outlives the transfer.
class FeedDownload : public QObject {
    Q_OBJECT
public:
    static constexpr int kDefaultTimeoutMs = 15000;
    static constexpr qint64 kMaxBodyBytes = 256 * 1024;
    static constexpr int kMaxRedirects = 5;

    explicit FeedDownload(QObject* parent = nullptr);
    ~FeedDownload() override;

    void setTimeoutMs(int milliseconds) { m_timer.setInterval(milliseconds); }
    int timeoutMs() const { return m_timer.interval(); }

    // Starts the transfer; a transfer still running is abandoned first and reports nothing.
    void start(const QUrl& url);
    void abandon();
    bool isRunning() const { return m_socket != nullptr || m_failSoon.isActive(); }
    QUrl url() const { return m_url; }

    // The request as it goes on the wire for this address.
    static QByteArray requestBytes(const QUrl& url);

signals:
    // ok is false for every kind of failure; body is then empty.
    void finished(bool ok, const QByteArray& body);

private:
    bool connectTo(const QUrl& url);
    void onConnected();
    void onReadyRead();
    void onDisconnected();
    void onError(QAbstractSocket::SocketError error);
    void onReplyEnded();
    bool follow(const QByteArray& location);
    void closeSocket();
    void finish(bool ok);

    QSslSocket* m_socket = nullptr;
    std::optional<HttpReply> m_reply;
    QUrl m_url; // as asked
    QUrl m_current; // after the redirections so far
    int m_redirects = 0;
    QTimer m_timer;
    QTimer m_failSoon; // an address that cannot be fetched
};
