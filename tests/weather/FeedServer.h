#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// The local weather feed of the tests: weather_feed_server.py on 127.0.0.1, on a free port,
// answering as the test sets it and recording every request line. Stopped by its PID.
class FeedServer {
public:
    FeedServer();
    ~FeedServer();

    bool start(); // false, with error() set, when the server does not come up
    void stop();
    QString error() const { return m_error; }
    quint16 port() const { return m_port; }
    QString authority() const; // "127.0.0.1:<port>"

    void answer(int status, const QByteArray& body);
    void hang();
    void dropConnections();
    QStringList requestLines() const;
    void forgetRequests();

    static QByteArray fixture(const QString& fileName);
    // A port on 127.0.0.1 where nothing listens.
    static quint16 closedPort();

private:
    void writeControl(const QString& name, const QByteArray& content);

    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
    QString m_error;
};
