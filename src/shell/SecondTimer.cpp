#include "SecondTimer.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace {

// Late enough that a reading of the clock at the tick falls in the new second.
constexpr int kPastTheSecondMs = 4;

// The one timer behind every SecondTimer; it lives as long as the application.
class SharedTick {
public:
    static SharedTick& instance()
    {
        static SharedTick tick;
        return tick;
    }

    void add(SecondTimer* timer) { m_timers.push_back(timer); }
    void remove(SecondTimer* timer) { std::erase(m_timers, timer); }

    void activeCountChanged(int delta)
    {
        m_activeCount += delta;
        if (m_activeCount > 0 && !isArmed())
            arm();
        else if (m_activeCount == 0 && m_timer)
            m_timer->stop();
    }

private:
    bool isArmed() const { return m_timer && m_timer->isActive(); }

    void arm()
    {
        if (!m_timer) {
            m_timer = new QTimer(QCoreApplication::instance());
            m_timer->setSingleShot(true);
            m_timer->setTimerType(Qt::PreciseTimer);
            QObject::connect(m_timer, &QTimer::timeout, [this] { fire(); });
        }
        m_timer->start(SecondTimer::msecsToNextTick(QDateTime::currentMSecsSinceEpoch()));
    }

    // Timers in the order they were made; one started or stopped by another's timeout keeps
    // the state it was given. A timeout that runs an event loop of its own (a message box)
    // holds the next ticks back rather than running them inside it.
    void fire()
    {
        arm();
        if (m_firing)
            return;
        m_firing = true;
        const std::vector<SecondTimer*> timers = m_timers;
        for (SecondTimer* timer : timers) {
            if (std::find(m_timers.begin(), m_timers.end(), timer) != m_timers.end()
                && timer->isActive())
                emit timer->timeout();
        }
        m_firing = false;
        if (m_activeCount == 0)
            m_timer->stop();
    }

    std::vector<SecondTimer*> m_timers;
    int m_activeCount = 0;
    bool m_firing = false;
    QPointer<QTimer> m_timer;
};

} // namespace

SecondTimer::SecondTimer(QObject* parent)
    : QObject(parent)
{
    SharedTick::instance().add(this);
}

SecondTimer::~SecondTimer()
{
    stop();
    SharedTick::instance().remove(this);
}

void SecondTimer::start()
{
    if (m_active)
        return;
    m_active = true;
    SharedTick::instance().activeCountChanged(1);
}

void SecondTimer::stop()
{
    if (!m_active)
        return;
    m_active = false;
    SharedTick::instance().activeCountChanged(-1);
}

int SecondTimer::msecsToNextTick(qint64 msecsSinceEpoch)
{
    const int intoTheSecond = int(((msecsSinceEpoch % 1000) + 1000) % 1000);
    return 1000 - intoTheSecond + kPastTheSecondMs;
}
