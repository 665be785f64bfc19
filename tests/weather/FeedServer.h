#pragma once

#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// weather_feed_server.py on a free port of 127.0.0.1, answering as the test sets it through
// files in a control folder and recording every request line.
class FeedServer {
public:
    ~FeedServer()
    {
        m_process.terminate(); // SIGTERM to the server's PID
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
    bool start() // false when the server does not come up
    {
        answer(200, {});
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral("python3"),
            { sourceFile("weather_feed_server.py"), QStringLiteral("--dir"), m_dir.path() });
        while (!m_process.canReadLine() && m_process.waitForReadyRead(10000)) { }
        const QByteArray line = m_process.readLine().trimmed();
        m_port = line.startsWith("PORT ") ? line.mid(5).toUShort() : 0;
        return m_port != 0;
    }
    QString authority() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }

    // From now on every request gets this answer; the requests and closings so far are
    // forgotten.
    void answer(int status, const QByteArray& body)
    {
        QFile::remove(m_dir.filePath(QStringLiteral("requests.log")));
        QFile::remove(m_dir.filePath(QStringLiteral("closed.log")));
        write("status", QByteArray::number(status));
        write("body", body);
        write("location", {});
        setMode("answer");
    }
    // Requests outside /moved/ are sent there instead.
    void redirectTo(const QByteArray& location) { write("location", location); }
    // "answer", "hang", "close", "dribble" or "flood"
    void setMode(const QByteArray& mode) { write("mode", mode); }
    // The bytes each dribbled or flooded answer had sent when the client closed its connection.
    QList<qint64> closedAfterBytes() const
    {
        QFile file(m_dir.filePath(QStringLiteral("closed.log")));
        QList<qint64> sent;
        if (file.open(QIODevice::ReadOnly)) {
            for (const QByteArray& line : file.readAll().split('\n')) {
                if (line.startsWith("closed "))
                    sent.append(line.mid(7).toLongLong());
            }
        }
        return sent;
    }
    QStringList requestLines() const
    {
        QFile file(m_dir.filePath(QStringLiteral("requests.log")));
        return file.open(QIODevice::ReadOnly)
            ? QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)
            : QStringList();
    }

    // A full current-conditions document of the XML feed, or another file of this folder.
    static QByteArray fixture(const char* name = "current_conditions.xml")
    {
        QFile file(sourceFile(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    static QString sourceFile(const char* name)
    {
        return qEnvironmentVariable("TOLVANE_SOURCE_DIR") + "/tests/weather/" + name;
    }
    void write(const char* name, const QByteArray& content)
    {
        QFile file(m_dir.filePath(QLatin1String(name)));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(content);
    }

    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
};
