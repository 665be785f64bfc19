#include "MailConnection.h"

#include "MailTexts.h"
#include "common/TextCodec.h"

#include <QSslSocket>
#include <QTcpSocket>

MailConnection::MailConnection(QObject* parent)
    : QObject(parent)
{
    m_replyTimer.setSingleShot(true);
    m_replyTimer.setInterval(kDefaultReplyTimeoutMs);
    connect(&m_replyTimer, &QTimer::timeout, this, [this] { fail(Failure::Timeout); });
}

MailConnection::~MailConnection() = default;

QAbstractSocket& MailConnection::socketOfKind(bool tls)
{
    const bool isTls = qobject_cast<QSslSocket*>(m_socket.get()) != nullptr;
    if (m_socket && isTls == tls)
        return *m_socket;
    // The old socket may be the one whose signal brought us here.
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->abort();
        m_socket.release()->deleteLater();
    }
    if (tls) {
        auto secure = std::make_unique<QSslSocket>();
        connect(secure.get(), &QSslSocket::sslErrors, this,
            [this](const QList<QSslError>& errors) { m_certificateRejected = !errors.isEmpty(); });
        connect(secure.get(), &QSslSocket::encrypted, this, [this] {
            if (!m_upgrading)
                return; // TLS from the first byte: the greeting comes next
            m_upgrading = false;
            m_replyTimer.start();
            emit encrypted();
        });
        m_socket = std::move(secure);
    } else {
        m_socket = std::make_unique<QTcpSocket>();
    }
    connect(m_socket.get(), &QAbstractSocket::readyRead, this, &MailConnection::onReadyRead);
    connect(m_socket.get(), &QAbstractSocket::errorOccurred, this, &MailConnection::onSocketError);
    return *m_socket;
}

void MailConnection::open(
    const QString& host, int port, bool implicitTls, const std::optional<QSslConfiguration>& tls)
{
    QAbstractSocket& connection = socketOfKind(tls.has_value());
    connection.abort();
    m_received.clear();
    m_certificateRejected = false;
    m_upgrading = false;
    m_open = true;
    m_replyTimer.start();
    if (auto* secure = qobject_cast<QSslSocket*>(&connection)) {
        secure->setSslConfiguration(*tls);
        if (implicitTls) {
            secure->connectToHostEncrypted(host, static_cast<quint16>(port));
            return;
        }
    }
    connection.connectToHost(host, static_cast<quint16>(port));
}

// The whole line in one write. Commands go out in UTF-8 (RFC 6856): a Linux server stores a
// password with accents in UTF-8, so "é" must reach it as C3 A9, not as one Windows-1252 byte.
void MailConnection::sendLine(const QByteArray& line)
{
    if (!m_open)
        return;
    m_socket->write(line + "\r\n");
    m_replyTimer.start();
}

void MailConnection::startTls()
{
    if (auto* secure = qobject_cast<QSslSocket*>(m_socket.get()); secure && m_open) {
        m_replyTimer.start();
        m_upgrading = true;
        secure->startClientEncryption();
    } else {
        fail(Failure::Tls);
    }
}

void MailConnection::abort()
{
    m_open = false;
    m_replyTimer.stop();
    if (m_socket)
        m_socket->abort();
}

void MailConnection::release()
{
    m_open = false;
    m_replyTimer.stop();
}

// A reply longer than kMaxReplyLine without a line feed is taken as a line of that length, so
// a peer that never ends its line cannot fill the memory.
void MailConnection::onReadyRead()
{
    m_received += m_socket->readAll();
    while (m_open) {
        const qsizetype end = m_received.indexOf('\n');
        if (end < 0 && m_received.size() < kMaxReplyLine)
            return;
        const qsizetype length = end < 0 ? kMaxReplyLine : end + 1;
        QByteArray line = m_received.left(length);
        m_received.remove(0, length);
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        if (m_replyTimer.isActive())
            m_replyTimer.start();
        emit lineReceived(TextCodec::decodeLine(line));
    }
    m_received.clear();
}

void MailConnection::onSocketError(QAbstractSocket::SocketError error)
{
    switch (error) {
    case QAbstractSocket::SslHandshakeFailedError:
    case QAbstractSocket::SslInvalidUserDataError:
    case QAbstractSocket::SslInternalError:
        fail(m_certificateRejected ? Failure::CertificateRefused : Failure::Tls);
        break;
    case QAbstractSocket::HostNotFoundError:
        fail(Failure::HostNotFound);
        break;
    case QAbstractSocket::RemoteHostClosedError:
        fail(Failure::Closed);
        break;
    default:
        fail(Failure::Unreachable);
        break;
    }
}

void MailConnection::fail(Failure failure)
{
    if (!m_open)
        return; // the server closing after the goodbye, or a second signal of the same failure
    abort();
    emit failed(failure);
}

QString MailConnection::failureText(Failure failure)
{
    switch (failure) {
    case Failure::HostNotFound:
        return MailTexts::hostNotFound();
    case Failure::Closed:
        return MailTexts::connectionLost();
    case Failure::Timeout:
        return MailTexts::timedOut();
    case Failure::CertificateRefused:
        return MailTexts::certificateRefused();
    case Failure::Tls:
        return MailTexts::tlsFailed();
    case Failure::Unreachable:
        break;
    }
    return MailTexts::unreachable();
}
