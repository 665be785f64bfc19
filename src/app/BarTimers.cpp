#include "BarTimers.h"

#include "BarSettings.h"
#include "mail/frmemail.h"
#include "monitors/frmCPUUsage.h"
#include "monitors/frmLAN.h"
#include "platform/Platform.h"
#include "shell/ModuleLayout.h"
#include "shell/frmHorloge.h"
#include "weather/frmMeteo.h"

BarTimers::BarTimers(const TimedModules& modules, ConnectionState& connection,
    std::function<bool()> slidAway, QObject* parent)
    : QObject(parent)
    , m_modules(modules)
    , m_connection(connection)
    , m_slidAway(std::move(slidAway))
{
    const std::pair<SecondTimer*, const char*> timers[] = {
        { &m_timerHorloge, "timer_horloge" },
        { &m_timerCpu, "timer_cpu" },
        { &m_timerLan, "timer_lan" },
        { &m_timerMeteo, "timer_meteo" },
        { &m_timerEmails, "timer_emails" },
    };
    for (const auto& [timer, name] : timers) {
        timer->setObjectName(QLatin1String(name));
        timer->setParent(this);
    }
    connect(&m_timerHorloge, &SecondTimer::timeout, this, &BarTimers::onClockTick);
    connect(&m_timerCpu, &SecondTimer::timeout, this, &BarTimers::onCpuTick);
    connect(&m_timerLan, &SecondTimer::timeout, this, &BarTimers::onLanTick);
    connect(&m_timerMeteo, &SecondTimer::timeout, this, &BarTimers::onMeteoTick);
    connect(&m_timerEmails, &SecondTimer::timeout, this, &BarTimers::onEmailTick);
    connectMail();
}

void BarTimers::connectMail()
{
    frmemail* email = m_modules.email;
    connect(email, &frmemail::timerWanted, &m_timerEmails, &SecondTimer::start);
    // While a check is under way the timer is stopped and the click changes nothing.
    connect(email, &frmemail::checkRequested, this, [this, email] {
        if (m_timerEmails.isActive()) {
            m_countdowns.mailNow();
            email->restartAtFirstAccount();
        }
    });
}

void BarTimers::start(const BarSettings& settings)
{
    for (SecondTimer* timer :
        { &m_timerHorloge, &m_timerCpu, &m_timerLan, &m_timerMeteo, &m_timerEmails })
        timer->stop();
    m_meteoPeriod = settings.meteoPeriod;
    m_mailPeriod = settings.mailPeriod;
    if (settings.isShown(ModuleLayout::kHorloge)) {
        m_timerHorloge.start();
        // The hands show the time at once rather than after the first tick.
        if (!m_slidAway())
            m_modules.clock->DrawClock();
    }
    if (settings.isShown(ModuleLayout::kInfosSysteme))
        m_timerCpu.start();
    if (settings.isShown(ModuleLayout::kMeteo)) {
        m_modules.meteo->ReadCity();
        m_countdowns.startMeteo();
        m_timerMeteo.start();
    }
    if (settings.isShown(ModuleLayout::kBandePassante))
        m_timerLan.start();
    if (settings.isShown(ModuleLayout::kEmails)) {
        m_countdowns.startMail();
        m_modules.email->LoadEmailAccounts();
        m_timerEmails.start();
    } else {
        // A check under way would switch timer_emails on again when it ends.
        m_modules.email->checker().abortCheck();
    }
}

void BarTimers::onClockTick()
{
    if (!m_slidAway())
        m_modules.clock->DrawClock();
}

void BarTimers::onCpuTick()
{
    m_modules.system->sampleTick(m_slidAway());
}

void BarTimers::onLanTick()
{
    if (m_connection.IsConnected())
        m_modules.lan->sampleTick(m_slidAway());
}

void BarTimers::onMeteoTick()
{
    if (m_countdowns.meteoTick(m_connection.IsConnected(), m_meteoPeriod))
        m_modules.meteo->ConnectToWeather();
}

void BarTimers::onEmailTick()
{
    m_timerEmails.stop();
    const bool roundUnderWay = m_modules.email->CurrentEmailAccount() != 0;
    if (m_countdowns.mailTick(m_connection.IsConnected(), roundUnderWay, m_mailPeriod))
        m_modules.email->StartMailCheck();
    else
        m_timerEmails.start();
}
