#include "BarWindows.h"

#include "ClosedWindowRelease.h"
#include "platform/linux/StartupPages.h"
#include "shell/AppContext.h"
#include "shell/frmAbout.h"
#include "shell/frmSplashScreen.h"
#include "vault/VaultWindows.h"

#include <QIcon>
#include <QSystemTrayIcon>
#include <QWidget>

namespace {

// Long enough for a window opened right after another one closed to be open by then.
constexpr int kReleaseDelayMs = 5000;

} // namespace

BarWindows::BarWindows(AppContext& context, QWidget* bar)
    : QObject(bar)
    , m_context(context)
    , m_bar(bar)
    , m_vault(new VaultWindows(context, bar))
    , m_release(new ClosedWindowRelease([] { StartupPages::Release(); }, kReleaseDelayMs, this))
{
    connect(m_vault, &VaultWindows::windowOpened, this, &BarWindows::releaseAfterClose);
}

BarWindows::~BarWindows()
{
    hideTray();
}

void BarWindows::setupTray()
{
    if (m_tray)
        return;
    // Created even when no tray is reported yet: trays often appear after login.
    m_tray = new QSystemTrayIcon(QIcon(m_context.path(QStringLiteral("images/tolvane.ico"))), this);
    m_tray->setObjectName(QStringLiteral("IconTray"));
    m_tray->setToolTip(QStringLiteral("Tolvane \u2013 barre lat\u00e9rale"));
    connect(m_tray, &QSystemTrayIcon::activated, this, [this] {
        m_bar->show();
        m_bar->raise();
        m_bar->activateWindow();
    });
    m_tray->show();
}

void BarWindows::hideTray()
{
    if (m_tray)
        m_tray->hide();
}

// One about box at a time; it unloads itself when closed.
void BarWindows::showAbout()
{
    if (!m_about)
        m_about = new frmAbout(m_context, m_bar);
    releaseAfterClose(m_about);
    showCentred(m_about);
    m_about->raise();
    m_about->activateWindow();
}

void BarWindows::showSplashScreen()
{
    if (!m_splash)
        m_splash = new frmSplashScreen(m_context, m_bar);
    releaseAfterClose(m_splash);
    showCentred(m_splash);
}

void BarWindows::showOptions(OptionsHost host, std::function<void()> closed)
{
    if (!m_options) {
        m_options = new frmOptions(m_context, std::move(host), m_bar);
        connect(m_options, &frmOptions::closing, this, std::move(closed));
        releaseAfterClose(m_options);
        showCentred(m_options);
    }
    m_options->show();
    m_options->raise();
    m_options->activateWindow();
}

void BarWindows::showPasswordVault()
{
    m_vault->open();
}

void BarWindows::releaseAfterClose(QWidget* window)
{
    m_release->watch(window);
}

void BarWindows::showCentred(QWidget* window)
{
    window->adjustSize();
    window->move(m_context.platform.screen->geometry().center() - window->rect().center());
    window->show();
}
