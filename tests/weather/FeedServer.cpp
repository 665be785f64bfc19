#include "FeedServer.h"

#include <QFile>
#include <QStandardPaths>
#include <QTcpServer>

#include <csignal>

namespace {
QString sourceDir()
{
    return QString::fromLocal8Bit(qgetenv("TOLVANE_SOURCE_DIR"));
}
} // namespace

FeedServer::FeedServer() = default;

FeedServer::~FeedServer()
{
    stop();
}

bool FeedServer::start()
{
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty()) {
        m_error = QStringLiteral("python3 is not installed");
        return false;
    }
    answer(200, {});
    m_process.setProgram(python);
    m_process.setArguments({ sourceDir() + QStringLiteral("/tests/weather/weather_feed_server.py"),
        QStringLiteral("--dir"), m_dir.path() });
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start();
    if (!m_process.waitForStarted(5000)) {
        m_error = m_process.errorString();
        return false;
    }
    while (!m_process.canReadLine() && m_process.waitForReadyRead(10000)) { }
    const QByteArray line = m_process.readLine().trimmed();
    if (!line.startsWith("PORT ")) {
        m_error = QStringLiteral("no port from the server: ") + QString::fromLatin1(line);
        return false;
    }
    m_port = line.mid(5).toUShort();
    return m_port != 0;
}

void FeedServer::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    ::kill(static_cast<pid_t>(m_process.processId()), SIGTERM);
    if (!m_process.waitForFinished(5000)) {
        ::kill(static_cast<pid_t>(m_process.processId()), SIGKILL);
        m_process.waitForFinished(5000);
    }
}

QString FeedServer::authority() const
{
    return QStringLiteral("127.0.0.1:%1").arg(m_port);
}

void FeedServer::writeControl(const QString& name, const QByteArray& content)
{
    QFile file(m_dir.filePath(name));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
}

void FeedServer::answer(int status, const QByteArray& body)
{
    writeControl(QStringLiteral("mode"), "answer");
    writeControl(QStringLiteral("status"), QByteArray::number(status));
    writeControl(QStringLiteral("body"), body);
}

void FeedServer::hang()
{
    writeControl(QStringLiteral("mode"), "hang");
}

void FeedServer::dropConnections()
{
    writeControl(QStringLiteral("mode"), "close");
}

QStringList FeedServer::requestLines() const
{
    QFile file(m_dir.filePath(QStringLiteral("requests.log")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void FeedServer::forgetRequests()
{
    QFile::remove(m_dir.filePath(QStringLiteral("requests.log")));
}

QByteArray FeedServer::fixture(const QString& fileName)
{
    QFile file(sourceDir() + QStringLiteral("/tests/weather/") + fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint16 FeedServer::closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}
