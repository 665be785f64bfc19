#include "DovecotServer.h"
#include "../support/LoopbackPort.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QStandardPaths>
#include <QTcpSocket>
#include <QThread>

#include <tuple>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

static bool writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

static bool run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(30000) && process.exitCode() == 0;
}

QString DovecotServer::program()
{
    return QStandardPaths::findExecutable("dovecot", { "/usr/sbin", "/sbin", "/usr/local/sbin" });
}

bool DovecotServer::fail(const QString& error)
{
    m_error = error;
    stop();
    return false;
}

bool DovecotServer::start()
{
    if (program().isEmpty())
        return fail("dovecot is not installed");
    // Dovecot's mail processes run as the mailbox owner: the folder must be reachable.
    ::chmod(QFile::encodeName(m_dir.path()).constData(), 0755);
    m_plainPort = freeLoopbackPort();
    m_tlsPort = freeLoopbackPort();
    m_imapPort = freeLoopbackPort();
    m_imapsPort = freeLoopbackPort();
    if (!run("openssl",
            { "req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
                "-days", "2", "-subj", "/CN=localhost", "-addext",
                "subjectAltName=DNS:localhost,IP:127.0.0.1", "-keyout", path("key.pem"), "-out",
                path("cert.pem") }))
        return fail("openssl could not make the certificate");
    if (!writeMailboxes() || !writeConfig())
        return fail("cannot write the server's files");
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(program(), { "-F", "-c", path("dovecot.conf") });
    if (!waitUntilListening(m_plainPort) || !waitUntilListening(m_imapPort))
        return fail("dovecot did not listen on its ports in time");
    return true;
}

void DovecotServer::stop()
{
    m_process.terminate();
    if (!m_process.waitForFinished(5000))
        m_process.kill();
}

bool DovecotServer::writeMailboxes()
{
    const bool root = ::geteuid() == 0;
    const uid_t uid = root ? 65534 : ::geteuid();
    const gid_t gid = root ? 65534 : ::getegid();
    const QByteArray message = "Subject: test\r\n\r\n" + QByteArray("x\r\n").repeated(165);
    QString users;
    // Passwords are stored in UTF-8, as on any Linux server.
    const std::tuple<const char*, int, int, QString> accounts[] = {
        { "alice", 3, 0, QStringLiteral("secret") },
        { "bob", 0, 0, QStringLiteral("secret") },
        { "carol", 3, 2, QStringLiteral("secret") },
        { "dave", 1, 0, QStringLiteral("secret") },
        { "jan", 0, 0, QStringLiteral("za\u017C\u00F3\u0142\u0107 g\u0119\u015Bl\u0105") },
        { "rene", 0, 0, QStringLiteral("mot de passe \u00E9") },
    };
    for (const auto& [user, unread, read, password] : accounts) {
        const QString home = path(QStringLiteral("mail/") + user);
        for (const char* sub : { "/new", "/cur", "/tmp" })
            QDir().mkpath(home + sub);
        for (int n = 1; n <= unread; ++n)
            writeFile(home + QStringLiteral("/new/10000%1.M1P1.test").arg(n), message);
        for (int n = 1; n <= read; ++n)
            writeFile(home + QStringLiteral("/cur/20000%1.M1P1.test:2,S").arg(n), message);
        users += QStringLiteral("%1:{PLAIN}%2:%3:%4::%5\n")
                     .arg(QLatin1String(user), password)
                     .arg(uid)
                     .arg(gid)
                     .arg(home);
    }
    QDir().mkpath(path("mail"));
    if (root && !run("chown", { "-R", QStringLiteral("%1:%2").arg(uid).arg(gid), path("mail") }))
        return false;
    return writeFile(path("users"), users.toUtf8());
}

bool DovecotServer::writeConfig()
{
    QDir().mkpath(path("run"));
    QDir().mkpath(path("state"));
    QString config = QStringLiteral(R"(protocols = pop3 imap
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
mailbox_idle_check_interval = %7 secs
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
%6}
service imap-login {
  inet_listener imap {
    port = %4
  }
  inet_listener imaps {
    port = %5
    ssl = yes
  }
%6}
)")
                         .arg(m_dir.path())
                         .arg(m_plainPort)
                         .arg(m_tlsPort)
                         .arg(m_imapPort)
                         .arg(m_imapsPort);
    config.replace("%7", QString::number(m_idleCheckSeconds));
    if (::geteuid() == 0)
        return writeFile(path("dovecot.conf"), config.replace("%6", QString()).toUtf8());
    // Without root Dovecot can neither change users nor chroot its helpers.
    config = config.replace("%6", "  chroot =\n")
        + QStringLiteral("service anvil {\n  chroot =\n}\ndefault_login_user = %1\n"
                         "default_internal_user = %1\ndefault_internal_group = %2\n")
              .arg(QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name),
                  QString::fromLocal8Bit(::getgrgid(::getegid())->gr_name));
    return writeFile(path("dovecot.conf"), config.toUtf8());
}

bool DovecotServer::deliver(const QString& user)
{
    const QString name = QStringLiteral("30000%1.M1P1.test").arg(++m_delivered);
    const QString home = path(QStringLiteral("mail/") + user);
    const QByteArray message = "Subject: delivered\r\n\r\nhello\r\n";
    if (!writeFile(home + "/tmp/" + name, message))
        return false;
    if (::geteuid() == 0)
        run("chown", { "65534:65534", home + "/tmp/" + name });
    return QFile::rename(home + "/tmp/" + name, home + "/new/" + name);
}

// Blocking on purpose: the test cannot go on before the server answers.
bool DovecotServer::waitUntilListening(quint16 port)
{
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired() && m_process.state() != QProcess::NotRunning) {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, port);
        if (probe.waitForConnected(200))
            return true;
        QThread::msleep(20);
    }
    return false;
}
