#pragma once

#include "BarCountdowns.h"

#include <QObject>
#include <QTimer>

#include <functional>

class ConnectionState;
class frmCPUUsage;
class frmHorloge;
class frmLAN;
class frmMeteo;
class frmemail;
struct BarSettings;

// The modules the five timers drive.
struct TimedModules {
    frmHorloge* clock = nullptr;
    frmCPUUsage* system = nullptr;
    frmLAN* lan = nullptr;
    frmMeteo* meteo = nullptr;
    frmemail* email = nullptr;
};

// The bar's five one-second timers (timer_horloge, timer_cpu, timer_lan, timer_meteo,
// timer_emails), which of them run for the settings, and what each tick does.
class BarTimers : public QObject {
    Q_OBJECT
public:
    // slidAway tells whether the bar is slid away to its screen edge at this moment.
    BarTimers(const TimedModules& modules, ConnectionState& connection,
        std::function<bool()> slidAway, QObject* parent);

    // Stops every timer and starts those of the modules shown.
    void start(const BarSettings& settings);
    const BarCountdowns& countdowns() const { return m_countdowns; }

    // Ticks, public so tests can drive them without waiting.
    void onClockTick();
    void onCpuTick();
    void onLanTick();
    void onMeteoTick();
    void onEmailTick();

private:
    void connectMail();

    TimedModules m_modules;
    ConnectionState& m_connection;
    std::function<bool()> m_slidAway;
    BarCountdowns m_countdowns;
    int m_meteoPeriod = 0;
    int m_mailPeriod = 0;
    QTimer m_timerHorloge;
    QTimer m_timerCpu;
    QTimer m_timerLan;
    QTimer m_timerMeteo;
    QTimer m_timerEmails;
};
