#include "MailChecker.h"

#include "EmailAccount.h"
#include "MailTexts.h"
#include "Pop3Stat.h"
#include "common/Numbers.h"
#include "common/TextCodec.h"

#include <QSslConfiguration>
#include <QSslSocket>
#include <QTcpSocket>

MailChecker::MailChecker(QObject* parent)
    : QObject(parent)
{
    m_replyTimer.setSingleShot(true);
    m_replyTimer.setInterval(kDefaultReplyTimeoutMs);
    connect(&m_replyTimer, &QTimer::timeout, this, &MailChecker::onReplyTimeout);
}

MailChecker::~MailChecker() = default;

// A plain account gets a plain socket: a QSslSocket loads the TLS libraries, which a bar with
// only plain accounts has no use for.
QAbstractSocket& MailChecker::socket(bool tls)
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
        m_socket = std::move(secure);
    } else {
        m_socket = std::make_unique<QTcpSocket>();
    }
    connect(m_socket.get(), &QAbstractSocket::readyRead, this, &MailChecker::onReadyRead);
    connect(m_socket.get(), &QAbstractSocket::errorOccurred, this, &MailChecker::onSocketError);
    return *m_socket;
}

void MailChecker::addCaCertificates(const QList<QSslCertificate>& certificates)
{
    m_extraCertificates += certificates;
}

void MailChecker::setStatus(int state, const QString& status)
{
    EmailAccountTable::Entry& entry = m_table.current();
    entry.EmailState = state;
    entry.EmailStatus = status;
    emit statusChanged();
}

void MailChecker::finishAccount()
{
    m_active = false;
    m_replyTimer.stop();
    m_table.NextEmailAccount();
    emit accountDone();
}

void MailChecker::abortCheck()
{
    m_active = false;
    ++m_attempt;
    m_replyTimer.stop();
    if (m_socket)
        m_socket->abort();
}

void MailChecker::CheckEmailAccount()
{
    if (m_table.NbEmailAccounts() == 0) {
        emit accountDone();
        return;
    }
    const EmailAccount account = EmailAccount::fromRecordLine(m_table.current().EmailAccounts);
    m_userName = account[EmailAccount::UserName];
    m_password = account[EmailAccount::Password];
    m_server = account[EmailAccount::Server];
    const qint64 port = Numbers::LeadingInteger(account[EmailAccount::Port]);
    m_port = port >= 1 && port <= 65535 ? static_cast<int>(port) : 0;
    m_active = true;
    setStatus(EmailAccountTable::NothingNew, MailTexts::connecting());

    if (m_port == 0) {
        setStatus(EmailAccountTable::Error, MailTexts::badPort());
        finishAccount();
        return;
    }
    if (m_server.isEmpty() || m_userName.isEmpty() || m_password.isEmpty()) {
        setStatus(EmailAccountTable::Error, MailTexts::missingCredentials());
        finishAccount();
        return;
    }
    connectSocket();
}

// A fresh connection from a port the system chooses; the dialogue restarts at the greeting.
void MailChecker::connectSocket()
{
    const bool tls = m_port == m_tlsPort;
    QAbstractSocket& connection = socket(tls);
    connection.abort();
    m_received.clear();
    m_certificateRejected = false;
    m_pop3Step = 1;
    ++m_attempt;
    m_replyTimer.start();
    if (tls) {
        auto& secure = static_cast<QSslSocket&>(connection);
        secure.setSslConfiguration(tlsConfiguration());
        secure.connectToHostEncrypted(m_server, static_cast<quint16>(m_port));
    } else {
        connection.connectToHost(m_server, static_cast<quint16>(m_port));
    }
}

// Adding certificates, even none, switches off the system's root store in the default
// configuration; extra certificates are therefore added on top of the system's own list.
QSslConfiguration MailChecker::tlsConfiguration() const
{
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    if (!m_extraCertificates.isEmpty())
        configuration.setCaCertificates(
            QSslConfiguration::systemCaCertificates() + m_extraCertificates);
    return configuration;
}

// The whole line in one write. Commands go out in UTF-8 (RFC 6856): a Linux server stores a
// password with accents in UTF-8, so "é" must reach it as C3 A9, not as one Windows-1252 byte.
void MailChecker::SendPop3Line(const QString& text)
{
    m_socket->write(text.toUtf8() + "\r\n");
}

// A reply longer than kMaxReplyLine without a line feed is taken as a line of that length, so
// a peer that never ends its line cannot fill the memory.
void MailChecker::onReadyRead()
{
    m_received += m_socket->readAll();
    while (m_active) {
        const qsizetype end = m_received.indexOf('\n');
        if (end < 0 && m_received.size() < kMaxReplyLine)
            return;
        const qsizetype length = end < 0 ? kMaxReplyLine : end + 1;
        const QByteArray line = m_received.left(length);
        m_received.remove(0, length);
        m_replyTimer.start();
        handleReply(TextCodec::decodeLine(line));
    }
    m_received.clear(); // the answer to QUIT, or anything after the dialogue ended
}

void MailChecker::handleReply(const QString& reply)
{
    if (!reply.startsWith(QLatin1Char('+'))) {
        QString shown = reply;
        while (shown.endsWith(QLatin1Char('\n')) || shown.endsWith(QLatin1Char('\r')))
            shown.chop(1);
        setStatus(EmailAccountTable::Error, shown);
        SendPop3Line(QStringLiteral("QUIT"));
        m_pop3Step = 5;
        finishAccount();
        return;
    }
    switch (m_pop3Step) {
    case 1:
        SendPop3Line(QStringLiteral("USER ") + m_userName);
        break;
    case 2:
        SendPop3Line(QStringLiteral("PASS ") + m_password);
        break;
    case 3:
        SendPop3Line(QStringLiteral("STAT"));
        break;
    case 4:
        handleStatReply(reply);
        break;
    default:
        break;
    }
    ++m_pop3Step;
}

void MailChecker::handleStatReply(const QString& reply)
{
    const QString counted = Pop3Stat::ParsePop3Stat(reply, m_locale).statusText();
    if (counted.isEmpty())
        setStatus(EmailAccountTable::NothingNew, MailTexts::nothingNew());
    else
        setStatus(EmailAccountTable::NewMessages, counted);
    SendPop3Line(QStringLiteral("QUIT"));
    finishAccount();
}

void MailChecker::onSocketError(QAbstractSocket::SocketError error)
{
    if (!m_active)
        return; // the server closing after QUIT, or a socket left from an earlier check
    m_replyTimer.stop();
    if (error == QAbstractSocket::SslHandshakeFailedError
        || error == QAbstractSocket::SslInvalidUserDataError) {
        m_socket->abort();
        setStatus(EmailAccountTable::Error,
            m_certificateRejected ? MailTexts::certificateRefused() : MailTexts::tlsFailed());
        finishAccount();
        return;
    }
    // Reconnecting from inside the socket's own error signal is unsafe: do it from the loop.
    const int attempt = m_attempt;
    QMetaObject::invokeMethod(
        this,
        [this, attempt] {
            if (m_active && attempt == m_attempt)
                reconnectOrGiveUp();
        },
        Qt::QueuedConnection);
}

void MailChecker::onReplyTimeout()
{
    if (!m_active)
        return;
    ++m_attempt;
    m_socket->abort();
    reconnectOrGiveUp();
}

void MailChecker::reconnectOrGiveUp()
{
    m_socket->abort();
    if (m_retries >= kMaxRetries) {
        m_retries = 0;
        setStatus(EmailAccountTable::NothingNew, MailTexts::nothingNew());
        finishAccount();
        return;
    }
    ++m_retries;
    connectSocket();
}
