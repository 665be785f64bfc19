#include "frmTolvane.h"
#include "shell/SettingsKeys.h"

#include "BarSlide.h"
#include "TitleStrip.h"
#include "favorites/ShellOpen.h"
#include "favorites/frmFavoris.h"
#include "mail/frmemail.h"
#include "monitors/frmCPUUsage.h"
#include "monitors/frmLAN.h"
#include "notes/frmPB.h"
#include "shell/ModuleLayout.h"
#include "shell/SettingsStore.h"
#include "shell/Skin.h"
#include "shell/SkinWidgets.h"
#include "shell/SplashPreference.h"
#include "shell/Twips.h"
#include "shell/frmAbout.h"
#include "shell/frmHorloge.h"
#include "shell/frmPhoto.h"
#include "shell/frmSplashScreen.h"
#include "weather/frmMeteo.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QSystemTrayIcon>

namespace {
constexpr int kBottomStripHeight = 12;
} // namespace

frmTolvane::frmTolvane(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Tool)
    , m_context(context)
{
    setObjectName(QStringLiteral("frmTolvane"));
    setWindowTitle(QStringLiteral("Tolvane"));
    resize(kWidth, 400);
    m_imgBG = new BackgroundImage(QStringLiteral("imgBG"), BackgroundImage::Fill::Tile, this);
    buildModules();
    buildTitleStrip();
    buildTimers();
    m_slide = new BarSlide([this](int leftTwips) { return moveToLeftTwips(leftTwips); }, this);
}

frmTolvane::~frmTolvane()
{
    if (m_tray)
        m_tray->hide();
}

void frmTolvane::buildTitleStrip()
{
    m_title = TitleStrip::create(this);
    m_pictBGBottom = new PictureBox(QStringLiteral("pictBGBottom"), this);
    m_pictBGBottom->setGeometry(0, 0, kWidth, kBottomStripHeight);
    // The strip left at the screen edge while the bar is hidden can hold a sliver of a title
    // button: a click there brings the bar back rather than closing it or opening a window.
    const auto whenShown = [this](void (frmTolvane::*action)()) {
        return [this, action] { m_hidden ? showBarAgain() : (this->*action)(); };
    };
    connect(m_title.hide, &PictureBox::clicked, this, whenShown(&frmTolvane::hideBar));
    connect(m_title.close, &PictureBox::clicked, this, whenShown(&frmTolvane::quitBar));
    connect(m_title.config, &PictureBox::clicked, this, whenShown(&frmTolvane::openOptions));
    connect(m_title.about, &PictureBox::clicked, this, whenShown(&frmTolvane::showAbout));
    connect(m_title.password, &PictureBox::clicked, this, [this] {
        if (m_hidden)
            showBarAgain();
    });
}

void frmTolvane::buildModules()
{
    m_photo = new frmPhoto(m_context, this);
    m_clock = new frmHorloge(m_context, this);
    m_email = new frmemail(m_context, this);
    m_favoris = new frmFavoris(m_context, this);
    m_meteo = new frmMeteo(m_context, this);
    m_system = new frmCPUUsage(m_context, this);
    m_lan = new frmLAN(m_context, this);
    m_notes = new frmPB(m_context, this);
    for (BarModule* module : modules()) {
        module->hide();
        connect(module, &BarModule::backgroundClicked, this, &frmTolvane::showBarAgain);
    }
    connect(m_imgBG, &BackgroundImage::clicked, this, &frmTolvane::showBarAgain);
    connect(m_clock, &frmHorloge::separatorClicked, this, &frmTolvane::toggleClockSmall);
    connect(m_meteo, &frmMeteo::separatorClicked, this, &frmTolvane::toggleMeteoSmall);
    connect(m_favoris, &frmFavoris::tabClicked, this, &frmTolvane::selectFavoritesTab);
    connect(m_lan, &frmLAN::networkToolsRequested, this,
        [this] { ShellOpen(m_context.platform, QStringLiteral("Pelnorix")); });
    connect(m_email, &frmemail::timerWanted, &m_timerEmails, qOverload<>(&QTimer::start));
    // While a check is under way the timer is stopped and the click changes nothing.
    connect(m_email, &frmemail::checkRequested, this, [this] {
        if (m_timerEmails.isActive()) {
            m_mailCountdown = 0;
            m_email->restartAtFirstAccount();
        }
    });
}

void frmTolvane::buildTimers()
{
    const std::pair<QTimer*, const char*> timers[] = {
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
    connect(&m_timerHorloge, &QTimer::timeout, this, &frmTolvane::onClockTick);
    connect(&m_timerCpu, &QTimer::timeout, this, &frmTolvane::onCpuTick);
    connect(&m_timerLan, &QTimer::timeout, this, &frmTolvane::onLanTick);
    connect(&m_timerMeteo, &QTimer::timeout, this, &frmTolvane::onMeteoTick);
    connect(&m_timerEmails, &QTimer::timeout, this, &frmTolvane::onEmailTick);
}

QList<BarModule*> frmTolvane::modules() const
{
    return { m_photo, m_clock, m_email, m_favoris, m_meteo, m_system, m_lan, m_notes };
}

void frmTolvane::Start()
{
    m_hidden = false;
    setupTray();
    m_meteo->ResetWeatherDisplay();
    m_system->StartSampler();
    m_lan->ReadLANCounters();
    m_selectedFavoritesTab = 1;
    m_optionsOpen = false;
    m_system->ListFixedDrives();
    InitBar();
    m_lan->ShowIPAddress();
    if (SplashPreference::ShowAtStartUp(*m_context.settings))
        showSplashScreen();
}

void frmTolvane::setupTray()
{
    // Created even when no tray is reported yet: trays often appear after login.
    m_tray = new QSystemTrayIcon(QIcon(m_context.path(QStringLiteral("images/tolvane.ico"))), this);
    m_tray->setObjectName(QStringLiteral("IconTray"));
    m_tray->setToolTip(QStringLiteral("Tolvane \u2013 barre lat\u00e9rale"));
    connect(m_tray, &QSystemTrayIcon::activated, this, [this] {
        show();
        raise();
        activateWindow();
    });
    m_tray->show();
}

void frmTolvane::InitBar()
{
    LoadSkin(QString());
    DockBar();
    m_settings = BarSettings::read(*m_context.settings);
    const int opacity = OpacityFor(m_settings.transparencyOn, m_settings.transparency);
    if (opacity >= 0)
        MakeTransparent(true, opacity);

    for (QTimer* timer :
        { &m_timerHorloge, &m_timerCpu, &m_timerLan, &m_timerMeteo, &m_timerEmails }) {
        timer->stop();
        timer->setInterval(1000);
    }
    if (m_settings.showClock) {
        m_timerHorloge.start();
        // The hands show the time at once rather than after the first tick.
        if (!m_hidden)
            m_clock->DrawClock();
    }
    if (m_settings.showSysInfo)
        m_timerCpu.start();
    if (m_settings.showMeteo) {
        m_meteo->ReadCity();
        m_meteoCountdown = 3;
        m_timerMeteo.start();
    }
    if (m_settings.showLAN)
        m_timerLan.start();
    if (m_settings.showEmails) {
        m_mailCountdown = 2;
        m_email->LoadEmailAccounts();
        m_timerEmails.start();
    } else {
        // A check under way would switch timer_emails on again when it ends.
        m_email->checker().abortCheck();
    }
    m_photo->DisplayPhoto();
    ShowFavoritesTab();
    ArrangeModules();
}

void frmTolvane::LoadSkin(const QString& name)
{
    const QString folder = Skin::SkinFolder(m_context.appDir, name, *m_context.settings);
    Skin::ReadSkinIni(folder, *m_context.skin);
    SkinImages images(folder);
    applyBarSkin(images);
    for (BarModule* module : modules())
        module->applySkin(images);
}

void frmTolvane::applyBarSkin(SkinImages& images)
{
    // Labels without a colour of their own inherit the skin's normal text colour.
    setTextColour(this, m_context.skin->textDark());
    m_title.applySkin(images, *m_context.skin);
    m_imgBG->setSkinPicture(images.picture(QStringLiteral("background_middle.bmp")));
    m_pictBGBottom->setSkinPicture(images.picture(QStringLiteral("background_bottom.bmp")));
}

QRect frmTolvane::screenGeometry() const
{
    return m_context.platform.screen ? m_context.platform.screen->geometry()
                                     : QRect(0, 0, 1024, 768);
}

int frmTolvane::twipsPerPixelX() const
{
    return m_context.platform.screen ? m_context.platform.screen->twipsPerPixelX()
                                     : Twips::kDefaultPerPixel;
}

int frmTolvane::twipsPerPixelY() const
{
    return m_context.platform.screen ? m_context.platform.screen->twipsPerPixelY()
                                     : Twips::kDefaultPerPixel;
}

int frmTolvane::dockedLeftTwips() const
{
    const int tpp = twipsPerPixelX();
    return m_settings.dockLeft ? 0 : (screenGeometry().width() - kWidth) * tpp;
}

int frmTolvane::moveToLeftTwips(int leftTwips)
{
    const QRect screen = screenGeometry();
    move(screen.x() + Twips::toPixels(leftTwips, twipsPerPixelX()), screen.y());
    return x();
}

void frmTolvane::DockBar()
{
    m_settings.dockLeft = m_context.settings->number(Keys::Position) != 0;
    m_slide->stop();
    // Docked means on screen: a bar re-docked while slid away must not keep its clock still.
    m_hidden = false;
    resize(kWidth, height());
    moveToLeftTwips(dockedLeftTwips());
    m_title.background->move(0, 0);
    m_imgBG->setGeometry(
        0, m_title.background->height(), kWidth, height() - m_title.background->height());
}

void frmTolvane::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_imgBG->setGeometry(
        0, m_title.background->height(), kWidth, height() - m_title.background->height());
}

void frmTolvane::ArrangeModules()
{
    const QHash<QString, bool> shown = {
        { ModuleLayout::kPhoto, m_settings.showPhoto },
        { ModuleLayout::kHorloge, m_settings.showClock },
        { ModuleLayout::kEmails, m_settings.showEmails },
        { ModuleLayout::kFavoris, m_settings.showFavoris },
        { ModuleLayout::kMeteo, m_settings.showMeteo },
        { ModuleLayout::kInfosSysteme, m_settings.showSysInfo },
        { ModuleLayout::kBandePassante, m_settings.showLAN },
        { ModuleLayout::kPenseBete, m_settings.showPenseBete },
    };
    m_clock->setSmall(m_settings.clockSmall);
    m_meteo->setSmall(m_settings.meteoSmall);
    m_favoris->setVisibleRows(m_settings.favModuleNbElem);

    const QStringList names = m_settings.moduleOrder.split(u';');
    QHash<QString, ModuleLayout::ModuleInput> inputs;
    QHash<QString, BarModule*> byId;
    for (BarModule* module : modules()) {
        const QString id = module->moduleId();
        byId.insert(id, module);
        if (!names.contains(id))
            continue;
        const bool on = shown.value(id);
        inputs.insert(id, { on, on ? module->layoutHeight() : 0.0 });
    }
    const ModuleLayout::Result layout = ModuleLayout::Arrange(m_settings.moduleOrder, inputs,
        m_title.titleBottom(), m_settings.spaceBetweenModules, m_pictBGBottom->height());

    for (const QString& id : layout.hidden)
        byId.value(id)->hide();
    for (const ModuleLayout::Placement& placement : layout.placements) {
        BarModule* module = byId.value(placement.id);
        const int frameHeight = static_cast<int>(std::lround(inputs.value(placement.id).height));
        module->setGeometry(0, placement.top, BarModule::kWidth, frameHeight);
        module->stretchBackground(frameHeight);
        module->show();
    }
    m_pictBGBottom->move(0, layout.bottomStripTop);
    resize(kWidth, layout.windowHeight);
    m_title.raise();
}

void frmTolvane::ShowFavoritesTab()
{
    m_favoris->ShowFavoritesTab(
        m_selectedFavoritesTab, m_settings.favInternetSort, m_settings.favWindowsSort);
}

void frmTolvane::selectFavoritesTab(int tab)
{
    m_selectedFavoritesTab = tab;
    ShowFavoritesTab();
}

void frmTolvane::MakeTransparent(bool enable, int opacity)
{
    m_opacity = enable ? opacity : 255;
    setWindowOpacity(m_opacity / 255.0);
}

void frmTolvane::toggleClockSmall()
{
    toggleSmallForm(m_settings.clockSmall, Keys::DisplayClockSmall);
}

void frmTolvane::toggleMeteoSmall()
{
    toggleSmallForm(m_settings.meteoSmall, Keys::DisplayMeteoSmall);
}

void frmTolvane::toggleSmallForm(bool& small, const SettingKey& key)
{
    small = !small;
    m_context.settings->save(key, small ? QStringLiteral("1") : QStringLiteral("0"));
    ArrangeModules();
}

void frmTolvane::hideBar()
{
    m_hidden = true;
    const int width = kWidth * twipsPerPixelX();
    const int screenWidth = screenGeometry().width() * twipsPerPixelX();
    const int current = Twips::fromPixels(x() - screenGeometry().x(), twipsPerPixelX());
    SlideBar(current,
        m_settings.dockLeft ? kVisibleStripTwips - width : screenWidth - kVisibleStripTwips);
}

void frmTolvane::showBarAgain()
{
    if (!m_hidden)
        return;
    const int width = kWidth * twipsPerPixelX();
    const int screenWidth = screenGeometry().width() * twipsPerPixelX();
    if (m_settings.dockLeft)
        SlideBar(kVisibleStripTwips - width, 0);
    else
        SlideBar(screenWidth - kVisibleStripTwips, screenWidth - width);
    m_hidden = false;
}

bool frmTolvane::isSliding() const
{
    return m_slide->isRunning();
}

void frmTolvane::SlideBar(int fromTwips, int toTwips)
{
    m_slide->start(fromTwips, toTwips);
}

// One about box at a time; it unloads itself when closed.
void frmTolvane::showAbout()
{
    if (!m_about)
        m_about = new frmAbout(m_context, this);
    showCentred(m_about);
    m_about->raise();
    m_about->activateWindow();
}

void frmTolvane::showSplashScreen()
{
    if (!m_splash)
        m_splash = new frmSplashScreen(m_context, this);
    showCentred(m_splash);
}

// Windows opened from the bar go to the middle of the screen rather than over the narrow bar.
void frmTolvane::showCentred(QWidget* window)
{
    window->adjustSize();
    window->move(screenGeometry().center() - window->rect().center());
    window->show();
}

void frmTolvane::openOptions()
{
    m_optionsOpen = true;
}

void frmTolvane::quitBar()
{
    if (m_tray)
        m_tray->hide();
    QApplication::quit();
}

bool frmTolvane::online() const
{
    return m_context.platform.connection && m_context.platform.connection->IsConnected();
}

void frmTolvane::onClockTick()
{
    if (!m_hidden)
        m_clock->DrawClock();
}

// The two sampling timers switch themselves off while they work so a slow tick never overlaps.
void frmTolvane::onCpuTick()
{
    m_timerCpu.stop();
    m_system->sampleTick(m_hidden);
    m_timerCpu.start();
}

void frmTolvane::onLanTick()
{
    if (!online())
        return;
    m_timerLan.stop();
    m_lan->sampleTick(m_hidden);
    m_timerLan.start();
}

void frmTolvane::onMeteoTick()
{
    --m_meteoCountdown;
    if (m_meteoCountdown < 1 && online()) {
        m_meteoCountdown = m_settings.meteoPeriod;
        m_meteo->ConnectToWeather();
    }
}

void frmTolvane::onEmailTick()
{
    m_timerEmails.stop();
    --m_mailCountdown;
    if (m_mailCountdown >= 1 && m_email->CurrentEmailAccount() == 0) {
        m_timerEmails.start();
        return;
    }
    if (!online()) {
        // Offline at the due tick: keep counting so the next tick tests again.
        m_timerEmails.start();
        return;
    }
    m_mailCountdown = m_settings.mailPeriod;
    m_email->StartMailCheck();
}
