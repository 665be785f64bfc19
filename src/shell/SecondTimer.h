#pragma once

#include <QObject>

// A one-second timer that rides the program's single tick: every SecondTimer that is active
// times out in the same wake-up, just after each wall-clock second begins, so a clock shows
// each second as it starts and the bar wakes once a second whatever moves on it. Started,
// stopped and tested like a QTimer; the shared tick runs only while one of them is active.
class SecondTimer : public QObject {
    Q_OBJECT
public:
    explicit SecondTimer(QObject* parent = nullptr);
    ~SecondTimer() override;

    void start();
    void stop();
    bool isActive() const { return m_active; }

    // Milliseconds from msecsSinceEpoch to the next tick: a few past the next whole second.
    static int msecsToNextTick(qint64 msecsSinceEpoch);

signals:
    void timeout();

private:
    bool m_active = false;
};
