#include "LinuxPlatform.h"

#include "DesktopLauncher.h"
#include "MessageDialogs.h"
#include "PrimaryScreen.h"
#include "RouteConnectionState.h"
#include "SoundPlayer.h"
#include "SystemClock.h"

LinuxPlatform::LinuxPlatform()
    : m_clock(std::make_unique<SystemClock>())
    , m_connection(std::make_unique<RouteConnectionState>())
    , m_screen(std::make_unique<PrimaryScreen>())
    , m_dialogs(std::make_unique<MessageDialogs>())
    , m_launcher(std::make_unique<DesktopLauncher>())
    , m_sound(std::make_unique<SoundPlayer>())
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
    p.sound = m_sound.get();
    return p;
}
