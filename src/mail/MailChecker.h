#pragma once

#include "EmailAccountTable.h"

#include <QAbstractSocket>
#include <QByteArray>
#include <QList>
#include <QLocale>
#include <QObject>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QTimer>

#include <memory>

class QSslSocket;

// The POP3 check of the accounts, one after another on one socket: greeting, USER, PASS,
// STAT, QUIT. It only counts the waiting messages and their size; nothing is downloaded.
// Replies are assembled into lines, so the way the network cuts them up does not matter.
class MailChecker : public QObject {
    Q_OBJECT
public:
    static constexpr int kDefaultReplyTimeoutMs = 30000;
    static constexpr int kMaxRetries = 10;
    static constexpr int kImplicitTlsPort = 995;
    static constexpr int kMaxReplyLine = 4096; // bytes; a POP3 reply line holds at most 512

    explicit MailChecker(QObject* parent = nullptr);
    ~MailChecker() override;

    EmailAccountTable& table() { return m_table; }
    const EmailAccountTable& table() const { return m_table; }

    // Starts the check of the current account. Ends with accountDone() once the dialogue is
    // over, whatever its outcome.
    void CheckEmailAccount();
    // Drops a check under way without a word, as when the accounts are read anew.
    void abortCheck();
    // True from CheckEmailAccount until accountDone.
    bool isChecking() const { return m_active; }

    int Pop3Step() const { return m_pop3Step; }
    int MailRetries() const { return m_retries; }

    // Silence from the server longer than this counts as a socket error.
    void setReplyTimeout(int milliseconds) { m_replyTimer.setInterval(milliseconds); }
    // The port spoken to over TLS from the first byte (995 unless a test says otherwise).
    void setImplicitTlsPort(int port) { m_tlsPort = port; }
    // Certificates trusted besides the system's store.
    void addCaCertificates(const QList<QSslCertificate>& certificates);
    // What a TLS connection trusts: the system's root certificates, and the extra ones on top.
    QSslConfiguration tlsConfiguration() const;
    // The socket of the last connection (a QSslSocket for a TLS account), nullptr before.
    const QAbstractSocket* connection() const { return m_socket.get(); }
    // The locale whose decimal separator the sizes are written with.
    void setLocale(const QLocale& locale) { m_locale = locale; }

signals:
    // The current account's state or status changed: redraw.
    void statusChanged();
    // The current account's dialogue ended; the table has moved on to the next account.
    void accountDone();

private:
    void setStatus(int state, const QString& status);
    void finishAccount();
    QAbstractSocket& socket(bool tls);
    void connectSocket();
    void SendPop3Line(const QString& text);
    void onReadyRead();
    void handleReply(const QString& reply);
    void handleStatReply(const QString& reply);
    void onSocketError(QAbstractSocket::SocketError error);
    void onReplyTimeout();
    void reconnectOrGiveUp();

    EmailAccountTable m_table;
    // Made at the first connection, of the kind the account needs.
    std::unique_ptr<QAbstractSocket> m_socket;
    QTimer m_replyTimer;
    QByteArray m_received;
    QList<QSslCertificate> m_extraCertificates;
    QLocale m_locale;
    bool m_active = false;
    bool m_certificateRejected = false;
    int m_pop3Step = 0;
    int m_retries = 0;
    int m_tlsPort = kImplicitTlsPort;
    int m_attempt = 0; // tells a queued reconnection from a stale one
    QString m_server;
    QString m_userName;
    QString m_password;
    int m_port = 0;
};
