#pragma once

#include "ImapDialogue.h"
#include "MailConnection.h"
#include "RetryPacing.h"

#include <QObject>
#include <QTimer>

#include <memory>

// One IMAP account's connection that stays open: logged in, the inbox examined, idling; every
// change the server reports there gives a new count at once. A dropped connection is opened
// again after the retry pauses; past the last one the watcher stops.
class ImapIdleWatcher : public QObject, private MailDialogue::Peer {
    Q_OBJECT
public:
    // Servers end an IDLE after 30 minutes; it is renewed a little before.
    static constexpr int kDefaultRenewalMs = 28 * 60 * 1000;

    struct Target {
        QString server;
        int port = 0;
        bool implicitTls = false;
        std::optional<QSslConfiguration> tls; // none for an account in clear
    };

    ImapIdleWatcher(const Target& target, const MailDialogue::Login& login,
        const QList<int>& retryPauses, QObject* parent = nullptr);
    ~ImapIdleWatcher() override;

    void start();
    bool isRunning() const { return m_running; }
    void setRenewal(int milliseconds) { m_renewTimer.setInterval(milliseconds); }
    void setReplyTimeout(int milliseconds) { m_connection.setReplyTimeout(milliseconds); }

signals:
    void counted(int state, const QString& status, int count);
    // The server stopped offering IDLE, refused the login, or could not be reached again.
    void stopped();

private:
    void sendLine(const QByteArray& line) override { m_connection.sendLine(line); }
    void startTls() override { m_connection.startTls(); }
    void report(int state, const QString& status, int count) override;
    void finished() override;
    void idling() override;

    void connectToServer();
    void onFailed();
    void stop();

    Target m_target;
    MailConnection m_connection;
    ImapDialogue m_dialogue;
    RetryPacing m_pacing;
    QTimer m_retryTimer;
    QTimer m_renewTimer;
    bool m_running = false;
};
