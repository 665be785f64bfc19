#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QTimer>
#include <QUrl>

class QNetworkReply;

// One HTTP GET at a time, never blocking the window: the answer arrives through finished().
// A transfer fails when the server cannot be reached, answers with an error status, sends more
// than the cap or takes longer than the time-out.
class FeedDownload : public QObject {
    Q_OBJECT
public:
    static constexpr int kDefaultTimeoutMs = 15000;
    static constexpr qint64 kMaxBodyBytes = 256 * 1024;

    explicit FeedDownload(QObject* parent = nullptr);
    ~FeedDownload() override;

    void setTimeoutMs(int milliseconds) { m_timer.setInterval(milliseconds); }
    int timeoutMs() const { return m_timer.interval(); }

    // Starts the transfer; a transfer still running is abandoned first and reports nothing.
    void start(const QUrl& url);
    void abandon();
    bool isRunning() const { return m_reply != nullptr; }
    QUrl url() const { return m_url; }

signals:
    // ok is false for every kind of failure; body is then empty.
    void finished(bool ok, const QByteArray& body);

private:
    void onReadyRead();
    void onFinished();
    void onTimeout();
    void fail();
    void dropConnections();

    QNetworkAccessManager* m_network; // replaced after a transfer is abandoned
    QNetworkReply* m_reply = nullptr;
    QTimer m_timer;
    QByteArray m_body;
    QUrl m_url;
};
