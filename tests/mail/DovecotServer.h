#pragma once

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QSslCertificate>
#include <QString>
#include <QTemporaryDir>

// A private Dovecot POP3 server on 127.0.0.1 for one test: its own configuration, runtime and
// state folders, a passwd-file of users with fresh maildirs, a plain and an implicit-TLS
// listener on free high ports, and a self-signed certificate made for the occasion.
class DovecotServer {
public:
    struct Mailbox {
        QString user;
        QString password;
        QList<QByteArray> messages; // stored as they are; sizes count their CR LF line ends
    };

    // The dovecot program, or empty when it is not installed.
    static QString program();

    DovecotServer() = default;
    DovecotServer(const DovecotServer&) = delete;
    DovecotServer& operator=(const DovecotServer&) = delete;
    ~DovecotServer() { stop(); }

    // False, with the reason in error(), when the server could not be made ready.
    bool start(const QList<Mailbox>& mailboxes);
    // Stops the server by its process id and waits for it to end.
    void stop();

    quint16 plainPort() const { return m_plainPort; }
    quint16 tlsPort() const { return m_tlsPort; }
    QList<QSslCertificate> certificate() const;
    QString error() const { return m_error; }

    // A message of exactly size bytes, lines ending with CR LF.
    static QByteArray messageOfSize(int size);

private:
    bool makeCertificate();
    bool writeMailboxes(const QList<Mailbox>& mailboxes);
    bool writeConfig();
    bool waitUntilListening(quint16 port, int timeoutMs);
    QString path(const QString& relative) const { return m_dir.path() + '/' + relative; }

    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_plainPort = 0;
    quint16 m_tlsPort = 0;
    QString m_error;
};
