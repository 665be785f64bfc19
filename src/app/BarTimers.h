#pragma once

#include "BarCountdowns.h"

#include "shell/SecondTimer.h"

#include <QObject>

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
// timer_emails), which of them run for the settings, and what each tick does. All of them tick
// together, once a second, as the wall-clock second begins.
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
    SecondTimer m_timerHorloge;
    SecondTimer m_timerCpu;
    SecondTimer m_timerLan;
    SecondTimer m_timerMeteo;
    SecondTimer m_timerEmails;
};
