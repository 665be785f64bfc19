#include "DovecotServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

static quint16 freeLoopbackPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

static bool writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QString DovecotServer::program()
{
    return QStandardPaths::findExecutable(QStringLiteral("dovecot"),
        { QStringLiteral("/usr/sbin"), QStringLiteral("/sbin"),
            QStringLiteral("/usr/local/sbin") });
}

QByteArray DovecotServer::messageOfSize(int size)
{
    QByteArray message = "Subject: test\r\n\r\n";
    while (message.size() + 3 <= size)
        message += "x\r\n";
    message += QByteArray(size - message.size(), 'y');
    return message;
}

bool DovecotServer::start(const QList<Mailbox>& mailboxes)
{
    if (program().isEmpty()) {
        m_error = QStringLiteral("dovecot is not installed");
        return false;
    }
    // Dovecot's mail processes run as the mailbox owner: the folder must be reachable.
    ::chmod(QFile::encodeName(m_dir.path()).constData(), 0755);
    m_plainPort = freeLoopbackPort();
    m_tlsPort = freeLoopbackPort();
    if (!makeCertificate() || !writeMailboxes(mailboxes) || !writeConfig())
        return false;
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(
        program(), { QStringLiteral("-F"), QStringLiteral("-c"), path("dovecot.conf") });
    if (!m_process.waitForStarted(5000)) {
        m_error = QStringLiteral("dovecot did not start: ") + m_process.errorString();
        return false;
    }
    if (!waitUntilListening(m_plainPort, 10000) || !waitUntilListening(m_tlsPort, 10000)) {
        m_error = QStringLiteral("dovecot did not listen on its ports in time");
        stop();
        return false;
    }
    return true;
}

void DovecotServer::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(2000);
    }
}

QList<QSslCertificate> DovecotServer::certificate() const
{
    return QSslCertificate::fromPath(path("cert.pem"));
}

bool DovecotServer::makeCertificate()
{
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
        { "req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
            "-days", "2", "-subj", "/CN=localhost", "-addext",
            "subjectAltName=DNS:localhost,IP:127.0.0.1", "-keyout", path("key.pem"), "-out",
            path("cert.pem") });
    if (!openssl.waitForFinished(30000) || openssl.exitCode() != 0) {
        m_error = QStringLiteral("openssl could not make the certificate");
        return false;
    }
    return true;
}

bool DovecotServer::writeMailboxes(const QList<Mailbox>& mailboxes)
{
    const bool root = ::geteuid() == 0;
    const uid_t uid = root ? 65534 : ::geteuid();
    const gid_t gid = root ? 65534 : ::getegid();
    QByteArray users;
    for (const Mailbox& box : mailboxes) {
        const QString home = path("mail/" + box.user);
        for (const char* sub : { "new", "cur", "tmp" })
            QDir().mkpath(home + '/' + sub);
        int n = 0;
        for (const QByteArray& message : box.messages)
            writeFile(home + QStringLiteral("/new/100000%1.M1P1.test").arg(++n), message);
        if (root) {
            for (const QString& p : { home, home + "/new", home + "/cur", home + "/tmp" })
                ::chown(QFile::encodeName(p).constData(), uid, gid);
            for (int k = 1; k <= n; ++k)
                ::chown(QFile::encodeName(home + QStringLiteral("/new/100000%1.M1P1.test").arg(k))
                            .constData(),
                    uid, gid);
        }
        users += QStringLiteral("%1:{PLAIN}%2:%3:%4::%5\n")
                     .arg(box.user, box.password)
                     .arg(uid)
                     .arg(gid)
                     .arg(home)
                     .toUtf8();
    }
    QDir().mkpath(path("mail"));
    return writeFile(path("users"), users);
}

bool DovecotServer::writeConfig()
{
    QDir().mkpath(path("run"));
    QDir().mkpath(path("state"));
    QString config = QStringLiteral(R"(protocols = pop3
base_dir = %1/run
state_dir = %1/state
listen = 127.0.0.1
log_path = /dev/stderr
info_log_path = /dev/null
ssl = yes
ssl_cert = <%1/cert.pem
ssl_key = <%1/key.pem
disable_plaintext_auth = no
auth_failure_delay = 0
mail_location = maildir:~
passdb {
  driver = passwd-file
  args = %1/users
}
userdb {
  driver = passwd-file
  args = %1/users
}
service pop3-login {
  inet_listener pop3 {
    port = %2
  }
  inet_listener pop3s {
    port = %3
    ssl = yes
  }
%4}
)")
                         .arg(m_dir.path())
                         .arg(m_plainPort)
                         .arg(m_tlsPort);
    if (::geteuid() == 0) {
        config = config.arg(QString());
    } else {
        // Without root Dovecot can neither change users nor chroot its helpers.
        const QString user = QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name);
        config = config.arg(QStringLiteral("  chroot =\n"));
        config += QStringLiteral("service anvil {\n  chroot =\n}\n"
                                 "default_login_user = %1\ndefault_internal_user = %1\n"
                                 "default_internal_group = %2\n")
                      .arg(user, QString::fromLocal8Bit(::getgrgid(::getegid())->gr_name));
    }
    return writeFile(path("dovecot.conf"), config.toUtf8());
}

// Blocking on purpose: the test cannot go on before the server answers.
bool DovecotServer::waitUntilListening(quint16 port, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired() && m_process.state() == QProcess::Running) {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, port);
        if (probe.waitForConnected(200))
            return true;
        QThread::msleep(20);
    }
    return false;
}
