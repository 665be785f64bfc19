#include "MailChecker.h"

#include "EmailAccount.h"
#include "ImapDialogue.h"
#include "MailTexts.h"
#include "Pop3Dialogue.h"
#include "common/Numbers.h"

#include <algorithm>

MailChecker::MailChecker(QObject* parent)
    : QObject(parent)
{
    m_retryTimer.setSingleShot(true);
    m_retryTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_retryTimer, &QTimer::timeout, this, &MailChecker::connectToServer);
    connect(&m_connection, &MailConnection::lineReceived, this, [this](const QString& line) {
        if (m_active)
            m_dialogue->onLine(line);
    });
    connect(&m_connection, &MailConnection::encrypted, this, [this] {
        if (m_active)
            m_dialogue->onEncrypted();
    });
    connect(&m_connection, &MailConnection::failed, this, &MailChecker::onFailed);
}

MailChecker::~MailChecker() = default;

void MailChecker::addCaCertificates(const QList<QSslCertificate>& certificates)
{
    m_extraCertificates += certificates;
    m_tlsWithExtras.reset();
}

// Adding certificates, even none, switches off the system's root store in the default
// configuration; extra certificates are therefore added on top of the system's own list, read
// once: reading it means parsing every certificate of the system's store.
QSslConfiguration MailChecker::tlsConfiguration() const
{
    if (m_extraCertificates.isEmpty())
        return QSslConfiguration::defaultConfiguration();
    if (!m_tlsWithExtras) {
        m_tlsWithExtras = QSslConfiguration::defaultConfiguration();
        m_tlsWithExtras->setCaCertificates(
            QSslConfiguration::systemCaCertificates() + m_extraCertificates);
    }
    return *m_tlsWithExtras;
}

// Any TLS configuration, even an empty one, loads the TLS libraries: only when they may serve.
std::optional<QSslConfiguration> MailChecker::tlsIfUsed() const
{
    if (m_implicitTls || m_tlsCapable)
        return tlsConfiguration();
    return std::nullopt;
}

void MailChecker::setStatus(int state, const QString& status, int count)
{
    EmailAccountTable::Entry& entry = m_table.current();
    entry.EmailState = state;
    entry.EmailStatus = status;
    entry.count = count;
    emit statusChanged();
}

void MailChecker::finishAccount()
{
    m_active = false;
    m_retryTimer.stop();
    m_table.NextEmailAccount();
    emit accountDone();
}

void MailChecker::abortCheck()
{
    m_active = false;
    m_retryTimer.stop();
    m_connection.abort();
    for (auto& [account, watcher] : m_watchers)
        watcher.release()->deleteLater(); // one of them may be on the call stack
    m_watchers.clear();
}

void MailChecker::setRetryPauses(const QList<int>& milliseconds)
{
    m_retryPauses = milliseconds;
    m_pacing.setPauses(milliseconds);
}

void MailChecker::setReplyTimeout(int milliseconds)
{
    m_replyTimeout = milliseconds;
    m_connection.setReplyTimeout(milliseconds);
}

int MailChecker::watchedAccounts() const
{
    return static_cast<int>(std::count_if(m_watchers.begin(), m_watchers.end(),
        [](const auto& entry) { return entry.second->isRunning(); }));
}

void MailChecker::CheckEmailAccount()
{
    if (m_table.NbEmailAccounts() == 0) {
        emit accountDone();
        return;
    }
    const EmailAccount account = EmailAccount::fromRecordLine(m_table.current().EmailAccounts);
    const MailDialogue::Login login { account[EmailAccount::UserName],
        account[EmailAccount::Password], MailSecurity::fromField(account.connection) };
    m_login = login;
    m_server = account[EmailAccount::Server];
    const qint64 port = Numbers::LeadingInteger(account[EmailAccount::Port]);
    m_port = port >= 1 && port <= 65535 ? static_cast<int>(port) : 0;
    m_implicitTls = login.security.implicitTls(m_port)
        || (login.security.security == MailSecurity::Automatic && m_port == m_extraTlsPort);
    m_imap = login.security.protocol == MailSecurity::Imap;
    m_tlsCapable = login.security.security != MailSecurity::None;
    m_active = true;
    m_pacing.reset();
    setStatus(EmailAccountTable::NothingNew, MailTexts::connecting());

    if (m_port == 0) {
        setStatus(EmailAccountTable::Error, MailTexts::badPort());
        finishAccount();
        return;
    }
    if (m_server.isEmpty() || login.userName.isEmpty() || login.password.isEmpty()) {
        setStatus(EmailAccountTable::Error, MailTexts::missingCredentials());
        finishAccount();
        return;
    }
    MailDialogue::Peer& peer = *this;
    if (m_imap)
        m_dialogue = std::make_unique<ImapDialogue>(peer, login);
    else
        m_dialogue = std::make_unique<Pop3Dialogue>(peer, login, m_locale);
    connectToServer();
}

// A fresh connection from a port the system chooses; the dialogue restarts at the greeting.
void MailChecker::connectToServer()
{
    if (!m_active)
        return;
    m_connection.open(m_server, m_port, m_implicitTls, tlsIfUsed());
    m_dialogue->start(m_implicitTls);
}

void MailChecker::report(int state, const QString& status, int count)
{
    setStatus(state, status, count);
    if (count >= 0)
        emit accountCounted(m_table.CurrentEmailAccount());
}

void MailChecker::finished()
{
    m_connection.release();
    const int account = m_table.CurrentEmailAccount();
    const auto* imap = dynamic_cast<const ImapDialogue*>(m_dialogue.get());
    const bool idle
        = imap && imap->offersIdle() && m_table.current().EmailState != EmailAccountTable::Error;
    finishAccount();
    if (idle)
        watch(account, m_login);
}

// The watcher counts on its own; its counts go to the account it watches.
void MailChecker::watch(int account, const MailDialogue::Login& login)
{
    std::unique_ptr<ImapIdleWatcher>& slot = m_watchers[account];
    if (slot && slot->isRunning())
        return;
    if (slot)
        slot.release()->deleteLater();
    slot = std::make_unique<ImapIdleWatcher>(
        ImapIdleWatcher::Target { m_server, m_port, m_implicitTls, tlsIfUsed() }, login,
        m_retryPauses);
    slot->setRenewal(m_idleRenewal);
    slot->setReplyTimeout(m_replyTimeout);
    connect(slot.get(), &ImapIdleWatcher::counted, this,
        [this, account](int state, const QString& status, int count) {
            if (account >= m_table.NbEmailAccounts())
                return;
            EmailAccountTable::Entry& entry = m_table.at(account);
            entry.EmailState = state;
            entry.EmailStatus = status;
            entry.count = count;
            emit statusChanged();
            if (count >= 0)
                emit accountCounted(account);
        });
    slot->start();
}

// Certificate and TLS failures are answers, not accidents: they end the check at once.
void MailChecker::onFailed(MailConnection::Failure failure)
{
    if (!m_active)
        return;
    const bool tlsRefused = failure == MailConnection::Failure::CertificateRefused
        || failure == MailConnection::Failure::Tls;
    const int pause = tlsRefused ? -1 : m_pacing.nextPause();
    if (pause < 0) {
        setStatus(EmailAccountTable::Error, MailConnection::failureText(failure));
        finishAccount();
        return;
    }
    m_retryTimer.start(pause);
}
