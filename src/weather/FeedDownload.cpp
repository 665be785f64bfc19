#include "FeedDownload.h"

#include <QSslSocket>

namespace {

constexpr qint64 kReadPiece = 16 * 1024;

bool isHttps(const QUrl& url)
{
    return url.scheme().compare(u"https", Qt::CaseInsensitive) == 0;
}

bool isUsable(const QUrl& url)
{
    return url.isValid() && !url.host().isEmpty()
        && (isHttps(url) || url.scheme().compare(u"http", Qt::CaseInsensitive) == 0);
}

bool isRedirection(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

} // namespace

FeedDownload::FeedDownload(QObject* parent)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDefaultTimeoutMs);
    connect(&m_timer, &QTimer::timeout, this, [this] { finish(false); });
    m_failSoon.setSingleShot(true);
    m_failSoon.setInterval(0);
    connect(&m_failSoon, &QTimer::timeout, this, [this] { finish(false); });
}

FeedDownload::~FeedDownload()
{
    if (m_socket)
        m_socket->disconnect(this); // the socket goes with this object, its parent
}

QByteArray FeedDownload::requestBytes(const QUrl& url)
{
    QByteArray target = url.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty())
        target = "/";
    if (url.hasQuery())
        target += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    QByteArray host = url.host(QUrl::FullyEncoded).toLatin1();
    if (host.contains(':'))
        host = '[' + host + ']';
    const int defaultPort = isHttps(url) ? 443 : 80;
    if (url.port(defaultPort) != defaultPort)
        host += ':' + QByteArray::number(url.port());
    return "GET " + target + " HTTP/1.1\r\nHost: " + host
        + "\r\nUser-Agent: Tolvane\r\nAccept: */*\r\nConnection: close\r\n\r\n";
}

void FeedDownload::start(const QUrl& url)
{
    abandon();
    m_url = url;
    m_redirects = 0;
    m_timer.start();
    if (!connectTo(url))
        m_failSoon.start(); // reported from the event loop, as every other failure is
}

void FeedDownload::abandon()
{
    m_timer.stop();
    m_failSoon.stop();
    closeSocket();
}

bool FeedDownload::connectTo(const QUrl& url)
{
    closeSocket();
    if (!isUsable(url))
        return false;
    m_current = url;
    m_reply.emplace(kMaxBodyBytes);
    m_socket = new QSslSocket(this);
    // Bytes wait in the socket only until the next read: a flood stays in the kernel.
    m_socket->setReadBufferSize(kReadPiece);
    connect(m_socket, &QSslSocket::readyRead, this, &FeedDownload::onReadyRead);
    connect(m_socket, &QSslSocket::disconnected, this, &FeedDownload::onDisconnected);
    connect(m_socket, &QSslSocket::errorOccurred, this, &FeedDownload::onError);
    if (isHttps(url)) {
        connect(m_socket, &QSslSocket::encrypted, this, &FeedDownload::onConnected);
        m_socket->connectToHostEncrypted(url.host(), quint16(url.port(443)));
    } else {
        connect(m_socket, &QSslSocket::connected, this, &FeedDownload::onConnected);
        m_socket->connectToHost(url.host(), quint16(url.port(80)));
    }
    return true;
}

void FeedDownload::onConnected()
{
    m_socket->write(requestBytes(m_current));
}

void FeedDownload::onReadyRead()
{
    while (m_socket && m_socket->bytesAvailable() > 0
        && m_reply->feed(m_socket->read(kReadPiece)) == HttpReply::State::Reading) { }
    if (m_socket && m_reply->state() != HttpReply::State::Reading)
        onReplyEnded();
}

void FeedDownload::onDisconnected()
{
    if (!m_socket)
        return;
    m_reply->feed(m_socket->readAll());
    m_reply->finishAtEnd();
    onReplyEnded();
}

void FeedDownload::onError(QAbstractSocket::SocketError error)
{
    // The server closing the connection may end a body that runs to that end.
    if (error == QAbstractSocket::RemoteHostClosedError)
        return;
    finish(false);
}

void FeedDownload::onReplyEnded()
{
    const HttpReply& reply = *m_reply;
    if (reply.state() == HttpReply::State::Complete && isRedirection(reply.status())) {
        if (!follow(reply.location()))
            finish(false);
        return;
    }
    finish(reply.state() == HttpReply::State::Complete && reply.status() >= 200
        && reply.status() < 300);
}

// Not from https to http, and not endlessly.
bool FeedDownload::follow(const QByteArray& location)
{
    const QUrl next = m_current.resolved(QUrl::fromEncoded(location));
    if (location.isEmpty() || ++m_redirects > kMaxRedirects
        || (isHttps(m_current) && !isHttps(next)))
        return false;
    return connectTo(next);
}

void FeedDownload::closeSocket()
{
    if (!m_socket)
        return;
    QSslSocket* socket = m_socket;
    m_socket = nullptr;
    socket->disconnect(this);
    socket->abort(); // the connection closes now: nothing more is read
    socket->deleteLater();
}

void FeedDownload::finish(bool ok)
{
    const QByteArray body = ok && m_reply ? m_reply->body() : QByteArray();
    abandon();
    m_reply.reset();
    emit finished(ok, body);
}
