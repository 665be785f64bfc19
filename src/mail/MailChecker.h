#pragma once

#include "EmailAccountTable.h"
#include "ImapIdleWatcher.h"
#include "MailConnection.h"
#include "MailDialogue.h"
#include "RetryPacing.h"

#include <QList>
#include <QLocale>
#include <QObject>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QTimer>

#include <map>
#include <memory>
#include <optional>

// The check of the accounts, one after another on one connection: the account's protocol
// (POP3 or IMAP) counts its messages; nothing is downloaded. A connection that fails is tried
// again after a growing pause, then the account shows why it could not be reached. An IMAP
// account whose server offers IDLE is then also watched on a connection of its own, which
// brings a new count as soon as mail arrives.
class MailChecker : public QObject, private MailDialogue::Peer {
    Q_OBJECT
public:
    static constexpr int kMaxReplyLine = MailConnection::kMaxReplyLine;

    explicit MailChecker(QObject* parent = nullptr);
    ~MailChecker() override;

    EmailAccountTable& table() { return m_table; }
    const EmailAccountTable& table() const { return m_table; }

    // Starts the check of the current account. Ends with accountDone() once the dialogue is
    // over, whatever its outcome.
    void CheckEmailAccount();
    // Drops a check under way and every watching connection without a word, as when the
    // accounts are read anew or the module is hidden.
    void abortCheck();
    // True from CheckEmailAccount until accountDone.
    bool isChecking() const { return m_active; }

    // Attempts that failed so far in the account's check.
    int MailRetries() const { return m_pacing.retries(); }
    // The pauses before the second, third... attempt; as many retries as pauses.
    void setRetryPauses(const QList<int>& milliseconds);
    // How long an IDLE lasts before it is renewed.
    void setIdleRenewal(int milliseconds) { m_idleRenewal = milliseconds; }
    // The accounts watched over IDLE right now.
    int watchedAccounts() const;

    // Silence from the server longer than this counts as a failed attempt.
    void setReplyTimeout(int milliseconds);
    // A port spoken to over TLS from the first byte besides 995 and 993 ("Automatique").
    void setImplicitTlsPort(int port) { m_extraTlsPort = port; }
    // Certificates trusted besides the system's store.
    void addCaCertificates(const QList<QSslCertificate>& certificates);
    // What a TLS connection trusts: the system's root certificates, and the extra ones on top.
    QSslConfiguration tlsConfiguration() const;
    // The socket of the last connection, nullptr before the first.
    const QAbstractSocket* connection() const { return m_connection.socket(); }
    // The locale whose decimal separator the sizes are written with.
    void setLocale(const QLocale& locale) { m_locale = locale; }

signals:
    // The current account's state or status changed: redraw.
    void statusChanged();
    // The current account's dialogue ended; the table has moved on to the next account.
    void accountDone();
    // An account's count of new or unseen messages is known anew (EmailAccountTable count).
    void accountCounted(int account);

private:
    void sendLine(const QByteArray& line) override { m_connection.sendLine(line); }
    void startTls() override { m_connection.startTls(); }
    void report(int state, const QString& status, int count) override;
    void finished() override;

    std::optional<QSslConfiguration> tlsIfUsed() const;
    void setStatus(int state, const QString& status, int count = -1);
    void finishAccount();
    void connectToServer();
    void onFailed(MailConnection::Failure failure);
    void watch(int account, const MailDialogue::Login& login);

    EmailAccountTable m_table;
    MailConnection m_connection;
    std::unique_ptr<MailDialogue> m_dialogue;
    MailDialogue::Login m_login;
    std::map<int, std::unique_ptr<ImapIdleWatcher>> m_watchers; // by account
    int m_idleRenewal = ImapIdleWatcher::kDefaultRenewalMs;
    int m_replyTimeout = MailConnection::kDefaultReplyTimeoutMs;
    QList<int> m_retryPauses = RetryPacing::defaultPauses();
    RetryPacing m_pacing;
    QTimer m_retryTimer;
    QList<QSslCertificate> m_extraCertificates;
    mutable std::optional<QSslConfiguration> m_tlsWithExtras;
    QLocale m_locale;
    bool m_active = false;
    int m_extraTlsPort = 0;
    QString m_server;
    int m_port = 0;
    bool m_implicitTls = false;
    bool m_imap = false;
    bool m_tlsCapable = false;
};
