#pragma once

#include "options/frmOptions.h"

#include <QObject>
#include <QPointer>

#include <functional>

class ClosedWindowRelease;
class QSystemTrayIcon;
class QWidget;
class VaultWindows;
class frmAbout;
class frmSplashScreen;
struct AppContext;

// The windows the bar opens besides itself, one of each at a time, and the tray icon.
class BarWindows : public QObject {
    Q_OBJECT
public:
    BarWindows(AppContext& context, QWidget* bar);
    ~BarWindows() override;

    void setupTray();
    void hideTray();
    void showAbout();
    void showSplashScreen();
    // One options window at a time: a second call brings the open one forward. closed runs
    // once the window goes, saved or not.
    void showOptions(OptionsHost host, std::function<void()> closed);
    frmOptions* options() const { return m_options; }
    // The master password dialog, or the vault window when it is already open.
    void showPasswordVault();
    // Hands memory back a few seconds after window, deleted on close, has gone.
    void releaseAfterClose(QWidget* window);

private:
    // Windows go to the middle of the screen rather than over the narrow bar.
    void showCentred(QWidget* window);

    AppContext& m_context;
    QWidget* m_bar;
    QSystemTrayIcon* m_tray = nullptr;
    QPointer<frmAbout> m_about;
    QPointer<frmSplashScreen> m_splash;
    QPointer<frmOptions> m_options;
    VaultWindows* m_vault = nullptr;
    ClosedWindowRelease* m_release = nullptr;
};
