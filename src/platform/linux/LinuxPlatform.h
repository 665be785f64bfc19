#pragma once

#include "platform/FixedDisks.h"
#include "platform/HostAddresses.h"
#include "platform/InterfaceTable.h"
#include "platform/MemoryInfo.h"
#include "platform/Platform.h"
#include "platform/ProcessorCounters.h"

#include <memory>

// Owns the Linux implementations of every platform service.
class LinuxPlatform {
public:
    // autostartFolder: where the session looks for programs to start ($XDG_CONFIG_HOME/autostart).
    explicit LinuxPlatform(const QString& autostartFolder);
    ~LinuxPlatform();
    Platform services() const;

private:
    std::unique_ptr<Clock> m_clock;
    std::unique_ptr<ConnectionState> m_connection;
    std::unique_ptr<Screen> m_screen;
    std::unique_ptr<Dialogs> m_dialogs;
    std::unique_ptr<Launcher> m_launcher;
    std::unique_ptr<Sound> m_sound;
    std::unique_ptr<ProcessorCounters> m_processors;
    std::unique_ptr<MemoryInfo> m_memory;
    std::unique_ptr<FixedDisks> m_disks;
    std::unique_ptr<InterfaceTable> m_interfaces;
    std::unique_ptr<HostAddresses> m_hosts;
    std::unique_ptr<SessionStart> m_sessionStart;
    std::unique_ptr<ScreenEdge> m_screenEdge;
    std::unique_ptr<DesktopNotifications> m_notifications;
    std::unique_ptr<MemoryRelease> m_memoryRelease;
};
