#pragma once

#include "BarSettings.h"
#include "TitleStrip.h"
#include "shell/AppContext.h"

#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>

struct SettingKey;
class BackgroundImage;
class BarModule;
class PictureBox;
class QLabel;
class QSystemTrayIcon;
class frmAbout;
class frmCPUUsage;
class frmFavoris;
class frmHorloge;
class frmLAN;
class frmMeteo;
class frmPB;
class frmPhoto;
class frmSplashScreen;
class frmemail;

// The bar: a 146-pixel window docked at a screen edge, with its title strip and buttons, the
// stack of modules, the five one-second timers and the tray icon.
class frmTolvane : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 146;
    static constexpr int kVisibleStripTwips = 100; // what stays on screen when hidden

    explicit frmTolvane(AppContext& context, QWidget* parent = nullptr);
    ~frmTolvane() override;

    // Everything start-up does once the single-instance check has passed.
    void Start();
    void InitBar();
    void LoadSkin(const QString& name);
    void DockBar();
    void ArrangeModules();
    void ShowFavoritesTab();
    void MakeTransparent(bool enable, int opacity);
    // Slides the window's left edge between two positions in twips, one move per frame.
    void SlideBar(int fromTwips, int toTwips);

    void hideBar();
    void showBarAgain();

    bool isHidden() const { return m_hidden; }
    bool isSliding() const;
    int opacity() const { return m_opacity; }
    const BarSettings& settings() const { return m_settings; }
    int meteoCountdown() const { return m_meteoCountdown; }
    int mailCountdown() const { return m_mailCountdown; }
    QList<BarModule*> modules() const;
    // The left edge the bar docks at, in twips.
    int dockedLeftTwips() const;

    // Timer ticks, public so tests can drive them without waiting.
    void onClockTick();
    void onCpuTick();
    void onLanTick();
    void onMeteoTick();
    void onEmailTick();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildTitleStrip();
    void buildModules();
    void buildTimers();
    void setupTray();
    void applyBarSkin(class SkinImages& images);
    void toggleClockSmall();
    void toggleMeteoSmall();
    void toggleSmallForm(bool& small, const SettingKey& key);
    void selectFavoritesTab(int tab);
    void quitBar();
    void openOptions();
    void showCentred(QWidget* window);
    void showAbout();
    void showSplashScreen();
    bool online() const;
    int twipsPerPixelX() const;
    int twipsPerPixelY() const;
    QRect screenGeometry() const;
    int moveToLeftTwips(int leftTwips); // returns the new x in pixels

    AppContext& m_context;
    BarSettings m_settings;
    bool m_hidden = false;
    int m_opacity = 255;
    int m_selectedFavoritesTab = 1;
    bool m_optionsOpen = false;
    int m_meteoCountdown = 0;
    int m_mailCountdown = 0;

    BackgroundImage* m_imgBG = nullptr;
    PictureBox* m_pictBGBottom = nullptr;
    TitleStrip m_title;

    frmPhoto* m_photo = nullptr;
    frmHorloge* m_clock = nullptr;
    frmemail* m_email = nullptr;
    frmFavoris* m_favoris = nullptr;
    frmMeteo* m_meteo = nullptr;
    frmCPUUsage* m_system = nullptr;
    frmLAN* m_lan = nullptr;
    frmPB* m_notes = nullptr;

    QTimer m_timerHorloge;
    QTimer m_timerCpu;
    QTimer m_timerLan;
    QTimer m_timerMeteo;
    QTimer m_timerEmails;
    class BarSlide* m_slide = nullptr;
    QSystemTrayIcon* m_tray = nullptr;
    QPointer<frmAbout> m_about;
    QPointer<frmSplashScreen> m_splash;
};
