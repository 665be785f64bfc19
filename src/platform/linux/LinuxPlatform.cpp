#include "LinuxPlatform.h"

#include "AutostartEntry.h"
#include "DBusNotifications.h"
#include "DesktopLauncher.h"
#include "MessageDialogs.h"
#include "MountedFixedDisks.h"
#include "PrimaryScreen.h"
#include "ProcMemInfo.h"
#include "ProcNetInterfaces.h"
#include "ProcStatCounters.h"
#include "RouteConnectionState.h"
#include "SoundPlayer.h"
#include "StartupPages.h"
#include "SystemClock.h"
#include "SystemHostAddresses.h"
#include "X11ScreenEdge.h"

#include <QCoreApplication>

LinuxPlatform::LinuxPlatform(const QString& autostartFolder)
    : m_clock(std::make_unique<SystemClock>())
    , m_connection(std::make_unique<RouteConnectionState>())
    , m_screen(std::make_unique<PrimaryScreen>())
    , m_dialogs(std::make_unique<MessageDialogs>())
    , m_launcher(std::make_unique<DesktopLauncher>())
    , m_sound(std::make_unique<SoundPlayer>())
    , m_processors(std::make_unique<ProcStatCounters>())
    , m_memory(std::make_unique<ProcMemInfo>())
    , m_disks(std::make_unique<MountedFixedDisks>())
    , m_interfaces(std::make_unique<ProcNetInterfaces>())
    , m_hosts(std::make_unique<SystemHostAddresses>())
    , m_sessionStart(std::make_unique<AutostartEntry>(
          autostartFolder, QCoreApplication::applicationFilePath()))
    , m_screenEdge(std::make_unique<X11ScreenEdge>())
    , m_notifications(std::make_unique<DBusNotifications>(*m_launcher))
    , m_memoryRelease(std::make_unique<StartupPagesRelease>())
{
}

LinuxPlatform::~LinuxPlatform() = default;

Platform LinuxPlatform::services() const
{
    Platform p;
    p.clock = m_clock.get();
    p.connection = m_connection.get();
    p.screen = m_screen.get();
    p.dialogs = m_dialogs.get();
    p.launcher = m_launcher.get();
    p.notifications = m_notifications.get();
    p.sound = m_sound.get();
    p.processors = m_processors.get();
    p.memory = m_memory.get();
    p.disks = m_disks.get();
    p.interfaces = m_interfaces.get();
    p.hosts = m_hosts.get();
    p.sessionStart = m_sessionStart.get();
    p.screenEdge = m_screenEdge.get();
    p.memoryRelease = m_memoryRelease.get();
    return p;
}
