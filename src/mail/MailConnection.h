#pragma once

#include <QAbstractSocket>
#include <QByteArray>
#include <QObject>
#include <QSslConfiguration>
#include <QTimer>

#include <memory>
#include <optional>

// One TCP connection to a mail server, clear or TLS, that hands over the server's text line by
// line. Silence while a reply is awaited, a refused or dropped connection and a failed TLS
// handshake all end in failed(), once per connection.
class MailConnection : public QObject {
    Q_OBJECT
public:
    enum class Failure { Unreachable, HostNotFound, Closed, Timeout, CertificateRefused, Tls };
    static constexpr int kDefaultReplyTimeoutMs = 30000;
    static constexpr int kMaxReplyLine = 4096; // bytes; a POP3 reply line holds at most 512

    explicit MailConnection(QObject* parent = nullptr);
    ~MailConnection() override;

    // Without a TLS configuration the socket is a plain one, which does not load the TLS
    // libraries (even an empty QSslConfiguration does).
    void open(const QString& host, int port, bool implicitTls,
        const std::optional<QSslConfiguration>& tls);
    void sendLine(const QByteArray& line);
    // Turns the open connection into a TLS one; encrypted() follows.
    void startTls();
    // Ends the connection without a word; no signal follows.
    void abort();
    // The dialogue is over: the server closes the connection, nothing it says still counts.
    void release();
    // Silence from now on is expected (an idle IMAP connection): no time-out until the next send.
    void expectSilence() { m_replyTimer.stop(); }

    void setReplyTimeout(int milliseconds) { m_replyTimer.setInterval(milliseconds); }
    // The socket of the last connection, nullptr before the first.
    const QAbstractSocket* socket() const { return m_socket.get(); }
    // The status line that tells the user about a failure.
    static QString failureText(Failure failure);

signals:
    void lineReceived(const QString& line);
    void encrypted();
    void failed(MailConnection::Failure failure);

private:
    QAbstractSocket& socketOfKind(bool tls);
    void onReadyRead();
    void onSocketError(QAbstractSocket::SocketError error);
    void fail(Failure failure);

    std::unique_ptr<QAbstractSocket> m_socket;
    QTimer m_replyTimer;
    QByteArray m_received;
    bool m_open = false;
    bool m_certificateRejected = false;
    bool m_upgrading = false;
};
