#include "ImapIdleWatcher.h"

ImapIdleWatcher::ImapIdleWatcher(const Target& target, const MailDialogue::Login& login,
    const QList<int>& retryPauses, QObject* parent)
    : QObject(parent)
    , m_target(target)
    , m_dialogue(static_cast<MailDialogue::Peer&>(*this), login, true)
    , m_pacing(retryPauses)
{
    m_retryTimer.setSingleShot(true);
    m_retryTimer.setTimerType(Qt::PreciseTimer);
    m_renewTimer.setSingleShot(true);
    m_renewTimer.setInterval(kDefaultRenewalMs);
    connect(&m_retryTimer, &QTimer::timeout, this, &ImapIdleWatcher::connectToServer);
    connect(&m_renewTimer, &QTimer::timeout, this, [this] { m_dialogue.renewIdle(); });
    connect(&m_connection, &MailConnection::lineReceived, this,
        [this](const QString& line) { m_dialogue.onLine(line); });
    connect(&m_connection, &MailConnection::encrypted, this, [this] { m_dialogue.onEncrypted(); });
    connect(&m_connection, &MailConnection::failed, this, &ImapIdleWatcher::onFailed);
}

ImapIdleWatcher::~ImapIdleWatcher()
{
    m_connection.abort();
}

void ImapIdleWatcher::start()
{
    m_running = true;
    m_pacing.reset();
    connectToServer();
}

void ImapIdleWatcher::connectToServer()
{
    m_renewTimer.stop();
    m_connection.open(m_target.server, m_target.port, m_target.implicitTls, m_target.tls);
    m_dialogue.start(m_target.implicitTls);
}

void ImapIdleWatcher::report(int state, const QString& status, int count)
{
    emit counted(state, status, count);
}

void ImapIdleWatcher::idling()
{
    m_pacing.reset(); // the connection proved itself: a later drop gets every try again
    m_connection.expectSilence();
    m_renewTimer.start();
}

void ImapIdleWatcher::finished()
{
    m_connection.release(); // the goodbye is on its way
    stop();
}

void ImapIdleWatcher::onFailed()
{
    m_renewTimer.stop();
    const int pause = m_pacing.nextPause();
    if (pause < 0)
        stop();
    else
        m_retryTimer.start(pause);
}

void ImapIdleWatcher::stop()
{
    m_running = false;
    m_retryTimer.stop();
    m_renewTimer.stop();
    m_connection.release();
    emit stopped();
}
