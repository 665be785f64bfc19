#pragma once

#include <QProcess>
#include <QSslCertificate>
#include <QTemporaryDir>

// A private Dovecot POP3 and IMAP server on 127.0.0.1: its own configuration, runtime and state
// folders, passwd-file users with fresh maildirs, a plain and an implicit-TLS listener per
// protocol on free ports, and a self-signed certificate made for the occasion, which stands for
// a throwaway certificate authority. Stopped by its process id.
// Users (password "secret"): alice with three unread messages of 512 bytes, bob with none,
// carol with two read and three unread ones, dave with one unread (for deliveries).
class DovecotServer {
public:
    // The dovecot program, or empty when it is not installed.
    static QString program();
    ~DovecotServer() { stop(); }

    // How often an idling connection looks for changes in its mailbox; 1 s lets a test see a
    // delivery at once, Dovecot's own default is 30 s. Before start().
    void setIdleCheckSeconds(int seconds) { m_idleCheckSeconds = seconds; }
    // False, with the reason in error(), when the server could not be made ready.
    bool start();
    void stop();

    quint16 plainPort() const { return m_plainPort; }
    quint16 tlsPort() const { return m_tlsPort; }
    quint16 imapPort() const { return m_imapPort; }
    quint16 imapsPort() const { return m_imapsPort; }
    // Delivers one more unread message into the user's inbox, as a delivery agent would.
    bool deliver(const QString& user);
    QList<QSslCertificate> certificate() const
    {
        return QSslCertificate::fromPath(path("cert.pem"));
    }
    QString error() const { return m_error; }

private:
    bool fail(const QString& error);
    bool writeMailboxes();
    bool writeConfig();
    bool waitUntilListening(quint16 port);
    QString path(const QString& relative) const { return m_dir.path() + '/' + relative; }

    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_plainPort = 0;
    quint16 m_tlsPort = 0;
    quint16 m_imapPort = 0;
    quint16 m_imapsPort = 0;
    int m_delivered = 0;
    int m_idleCheckSeconds = 1;
    QString m_error;
};
