#pragma once

#include "platform/Platform.h"

#include <memory>

// Owns the Linux implementations of every platform service.
class LinuxPlatform {
public:
    LinuxPlatform();
    ~LinuxPlatform();
    Platform services() const;

private:
    std::unique_ptr<Clock> m_clock;
    std::unique_ptr<ConnectionState> m_connection;
    std::unique_ptr<Screen> m_screen;
    std::unique_ptr<Dialogs> m_dialogs;
    std::unique_ptr<Launcher> m_launcher;
    std::unique_ptr<Sound> m_sound;
};
