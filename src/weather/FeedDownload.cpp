#include "FeedDownload.h"

#include <QNetworkReply>
#include <QNetworkRequest>

FeedDownload::FeedDownload(QObject* parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDefaultTimeoutMs);
    connect(&m_timer, &QTimer::timeout, this, &FeedDownload::onTimeout);
}

FeedDownload::~FeedDownload()
{
    if (m_reply)
        m_reply->disconnect(this); // the reply goes with its manager, a child of this object
}

void FeedDownload::start(const QUrl& url)
{
    abandon();
    m_url = url;
    m_body.clear();
    QNetworkRequest request(url);
    request.setAttribute(
        QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Tolvane"));
    m_reply = m_network->get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &FeedDownload::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &FeedDownload::onFinished);
    m_timer.start();
}

void FeedDownload::abandon()
{
    m_timer.stop();
    if (!m_reply)
        return;
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
    dropConnections();
}

// An aborted reply does not always close its connection: a server that never ends its headers
// would go on feeding it, and the connection would hold back the next request. A new manager
// starts from fresh connections, and deleting the old one closes every socket it kept.
void FeedDownload::dropConnections()
{
    m_network->deleteLater();
    m_network = new QNetworkAccessManager(this);
}

void FeedDownload::onReadyRead()
{
    const QVariant announced = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (announced.isValid() && announced.toLongLong() > kMaxBodyBytes) {
        fail();
        return;
    }
    m_body += m_reply->read(kMaxBodyBytes + 1 - m_body.size());
    if (m_body.size() > kMaxBodyBytes)
        fail();
}

void FeedDownload::onFinished()
{
    if (!m_reply)
        return;
    onReadyRead();
    if (!m_reply)
        return;
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool ok = m_reply->error() == QNetworkReply::NoError && status >= 200 && status < 300;
    const QByteArray body = ok ? m_body : QByteArray();
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    m_timer.stop();
    reply->deleteLater();
    m_body.clear();
    emit finished(ok, body);
}

void FeedDownload::onTimeout()
{
    fail();
}

void FeedDownload::fail()
{
    abandon();
    m_body.clear();
    emit finished(false, {});
}
