#include "frmTolvane.h"

#include "BarDock.h"
#include "BarSlide.h"
#include "BarTimers.h"
#include "BarWindows.h"
#include "ModuleTable.h"
#include "favorites/frmFavoris.h"
#include "mail/frmemail.h"
#include "monitors/frmCPUUsage.h"
#include "monitors/frmLAN.h"
#include "notes/NoteWindows.h"
#include "notes/frmPB.h"
#include "notes/modPenseBete.h"
#include "shell/ModuleLayout.h"
#include "shell/SettingsKeys.h"
#include "shell/SettingsStore.h"
#include "shell/SettingsWriteError.h"
#include "shell/Skin.h"
#include "shell/SkinWidgets.h"
#include "shell/SplashPreference.h"
#include "shell/Twips.h"
#include "shell/frmHorloge.h"
#include "shell/frmPhoto.h"
#include "weather/frmMeteo.h"

#include <QApplication>
#include <QTimer>

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
    buildNotes();
    connectModules();
    buildTitleStrip();
    m_timers = new BarTimers(
        { m_clock, m_system, m_lan, m_meteo, m_email }, *m_context.platform.connection,
        [this] { return m_slidAway; }, this);
    m_slide = new BarSlide([this](int leftTwips) { return moveToLeftTwips(leftTwips); }, this);
    m_windows = new BarWindows(m_context, this);
    keepNotesAtTheEnd();
}

// However the program ends (the close button, a quit asked by a signal) or the session closes,
// the notes are written first.
void frmTolvane::keepNotesAtTheEnd()
{
    connect(qApp, &QCoreApplication::aboutToQuit, this, &frmTolvane::KeepNotes);
#ifndef QT_NO_SESSIONMANAGER
    connect(qApp, &QGuiApplication::commitDataRequest, this, &frmTolvane::KeepNotes);
#endif
}

void frmTolvane::KeepNotes()
{
    m_noteWindows->KeepAllNotes();
}

frmTolvane::~frmTolvane() = default;

void frmTolvane::buildTitleStrip()
{
    m_title = TitleStrip::create(this);
    m_pictBGBottom = new PictureBox(QStringLiteral("pictBGBottom"), this);
    m_pictBGBottom->setGeometry(0, 0, kWidth, kBottomStripHeight);
    // The strip left at the screen edge while the bar is slid away can hold a sliver of a
    // title button: a click there brings the bar back rather than closing it or opening a
    // window.
    const auto whenShown = [this](std::function<void()> action) {
        return [this, action] { m_slidAway ? showBarAgain() : action(); };
    };
    connect(m_title.hide, &PictureBox::clicked, this, whenShown([this] { hideBar(); }));
    connect(m_title.close, &PictureBox::clicked, this, whenShown([this] { quitBar(); }));
    connect(m_title.config, &PictureBox::clicked, this, whenShown([this] { openOptions(); }));
    connect(
        m_title.about, &PictureBox::clicked, this, whenShown([this] { m_windows->showAbout(); }));
    connect(m_title.password, &PictureBox::clicked, this,
        whenShown([this] { m_windows->showPasswordVault(); }));
}

void frmTolvane::buildModules()
{
    for (const ModuleEntry& entry : ModuleTable()) {
        BarModule* widget = entry.create(m_context, this);
        widget->hide();
        m_modules.append({ &entry, widget });
        connect(widget, &BarModule::backgroundClicked, this, &frmTolvane::showBarAgain);
        if (entry.smallKey) {
            connect(widget, &BarModule::separatorClicked, this,
                [this, &entry] { toggleSmallForm(entry); });
        }
    }
    m_clock = module<frmHorloge>();
    m_email = module<frmemail>();
    m_favoris = module<frmFavoris>();
    m_meteo = module<frmMeteo>();
    m_system = module<frmCPUUsage>();
    m_lan = module<frmLAN>();
}

template <typename T> T* frmTolvane::module() const
{
    for (const Module& m : m_modules) {
        if (auto* typed = qobject_cast<T*>(m.widget))
            return typed;
    }
    return nullptr;
}

// The notes store lives as long as the bar; its windows are loaded by Start().
void frmTolvane::buildNotes()
{
    m_notesStore = std::make_unique<modPenseBete>(m_context);
    m_noteWindows = std::make_unique<NoteWindows>(*m_notesStore, m_context);
    auto* notes = module<frmPB>();
    connect(m_notesStore.get(), &modPenseBete::captionChanged, notes, &frmPB::setCaption);
    connect(notes, &frmPB::addNoteClicked, m_noteWindows.get(), &NoteWindows::AddNoteClicked);
    connect(notes, &frmPB::notesListClicked, m_noteWindows.get(), &NoteWindows::ShowNotesList);
    connect(notes, &frmPB::notesListClicked, this,
        [this] { m_windows->releaseAfterClose(m_noteWindows->notesList()); });
}

void frmTolvane::connectModules()
{
    connect(m_imgBG, &BackgroundImage::clicked, this, &frmTolvane::showBarAgain);
    connect(m_favoris, &frmFavoris::tabClicked, this, &frmTolvane::selectFavoritesTab);
}

QList<BarModule*> frmTolvane::modules() const
{
    QList<BarModule*> widgets;
    for (const Module& m : m_modules)
        widgets.append(m.widget);
    return widgets;
}

void frmTolvane::Start()
{
    m_slidAway = false;
    // The tray icon (a D-Bus connection, an icon to decode) need not hold up the bar's window.
    QTimer::singleShot(0, m_windows, &BarWindows::setupTray);
    m_system->StartSampler();
    m_lan->ReadLANCounters();
    m_selectedFavoritesTab = 1;
    setOptionsOpen(false);
    m_system->ListFixedDrives();
    InitBar();
    m_notesStore->LoadNotes();
    m_lan->ShowIPAddress();
    if (SplashPreference::ShowAtStartUp(*m_context.settings))
        m_windows->showSplashScreen();
}

void frmTolvane::InitBar()
{
    m_settings = BarSettings::read(*m_context.settings);
    LoadSkin(QString());
    if (m_settings.isShown(ModuleLayout::kMeteo) && !m_weatherShown) {
        m_meteo->ResetWeatherDisplay();
        m_weatherShown = true;
    }
    DockBar();
    const int opacity = OpacityFor(m_settings.transparencyOn, m_settings.transparency);
    if (opacity >= 0)
        MakeTransparent(true, opacity);
    m_timers->start(m_settings);
    module<frmPhoto>()->DisplayPhoto();
    m_favoris->LoadFavorites();
    ShowFavoritesTab();
    ArrangeModules();
    reserveScreenEdge();
    if (m_context.platform.sessionStart)
        m_context.platform.sessionStart->setEnabled(
            m_context.settings->number(Keys::AutoStart) != 0);
}

void frmTolvane::LoadSkin(const QString& name)
{
    const QString folder = Skin::SkinFolder(m_context, name);
    Skin::ReadSkinIni(folder, *m_context.skin);
    SkinImages images(folder, devicePixelRatioF());
    applyBarSkin(images);
    // A hidden module takes the skin when it is shown: the settings are applied again then.
    for (const Module& m : m_modules) {
        if (m_settings.isShown(m.entry->id))
            m.widget->applySkin(images);
    }
}

void frmTolvane::applyBarSkin(SkinImages& images)
{
    m_title.applySkin(images, *m_context.skin);
    m_imgBG->setSkinPicture(images.picture(QStringLiteral("background_middle.bmp")));
    m_pictBGBottom->setSkinPicture(images.picture(QStringLiteral("background_bottom.bmp")));
}

BarDock frmTolvane::dock() const
{
    const Screen& screen = *m_context.platform.screen;
    return BarDock { screen.geometry().width(), kWidth, screen.twipsPerPixelX(),
        m_settings.dockLeft };
}

int frmTolvane::moveToLeftTwips(int leftTwips)
{
    const Screen& screen = *m_context.platform.screen;
    const QRect area = screen.geometry();
    move(area.x() + Twips::toPixels(leftTwips, screen.twipsPerPixelX()), area.y());
    return x();
}

void frmTolvane::DockBar()
{
    m_settings.dockLeft = m_context.settings->number(Keys::Position) != 0;
    m_slide->stop();
    // Docked means on screen: a bar re-docked while slid away must not keep its clock still.
    m_slidAway = false;
    resize(kWidth, height());
    moveToLeftTwips(dock().dockedLeftTwips());
    m_title.background->move(0, 0);
    placeBackground();
}

void frmTolvane::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeBackground();
    reserveScreenEdge(); // the strip follows the bar's height
}

void frmTolvane::placeBackground()
{
    const int top = m_title.background->height();
    m_imgBG->setGeometry(0, top, kWidth, height() - top);
}

// The window exists but is not mapped yet: the last moment to make it a dock.
void frmTolvane::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_context.platform.screenEdge && windowHandle())
        m_context.platform.screenEdge->makeDock(windowHandle());
    reserveScreenEdge();
}

// Holds the strip of the screen edge the bar covers where it is going: all of it docked, the thin
// strip once slid away.
void frmTolvane::reserveScreenEdge()
{
    ScreenEdge* edge = m_context.platform.screenEdge;
    if (!edge || !windowHandle())
        return;
    const BarDock where = dock();
    const int left = m_slidAway ? where.slidAwayLeftTwips() : where.dockedLeftTwips();
    const bool wanted = m_context.settings->number(Keys::ReserveScreenEdge) != 0;
    edge->reserve(windowHandle(),
        m_settings.dockLeft ? ScreenEdge::Side::Left : ScreenEdge::Side::Right,
        wanted ? where.coveredPixels(left) : 0);
}

void frmTolvane::ArrangeModules()
{
    m_clock->setSmall(m_settings.isSmall(ModuleLayout::kHorloge));
    m_meteo->setSmall(m_settings.isSmall(ModuleLayout::kMeteo));
    m_favoris->setVisibleRows(m_settings.favModuleNbElem);

    const QStringList names = m_settings.moduleOrder.split(u';');
    QHash<QString, ModuleLayout::ModuleInput> inputs;
    QHash<QString, BarModule*> byId;
    for (const Module& m : m_modules) {
        byId.insert(m.entry->id, m.widget);
        if (!names.contains(m.entry->id))
            continue;
        const bool on = m_settings.isShown(m.entry->id);
        inputs.insert(m.entry->id, { on, on ? m.widget->layoutHeight() : 0.0 });
    }
    const ModuleLayout::Result layout = ModuleLayout::Arrange(m_settings.moduleOrder, inputs,
        m_title.titleBottom(), m_settings.spaceBetweenModules, m_pictBGBottom->height());

    for (const QString& id : layout.hidden)
        byId.value(id)->hide();
    for (const ModuleLayout::Placement& placement : layout.placements) {
        BarModule* widget = byId.value(placement.id);
        const int frameHeight = static_cast<int>(std::lround(inputs.value(placement.id).height));
        widget->setGeometry(0, placement.top, BarModule::kWidth, frameHeight);
        widget->stretchBackground(frameHeight);
        widget->show();
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

void frmTolvane::toggleSmallForm(const ModuleEntry& entry)
{
    const bool small = !m_settings.isSmall(entry.id);
    m_settings.small.insert(entry.id, small);
    ArrangeModules();
    if (!m_context.settings->save(
            *entry.smallKey, small ? QStringLiteral("1") : QStringLiteral("0")))
        SettingsWriteError::Tell(m_context);
}

void frmTolvane::hideBar()
{
    m_slidAway = true;
    const Screen& screen = *m_context.platform.screen;
    const int current = Twips::fromPixels(x() - screen.geometry().x(), screen.twipsPerPixelX());
    SlideBar(current, dock().slidAwayLeftTwips());
    reserveScreenEdge();
}

void frmTolvane::showBarAgain()
{
    if (!m_slidAway)
        return;
    const BarDock where = dock();
    SlideBar(where.slidAwayLeftTwips(), where.dockedLeftTwips());
    m_slidAway = false;
    reserveScreenEdge();
}

bool frmTolvane::isSliding() const
{
    return m_slide->isRunning();
}

void frmTolvane::SlideBar(int fromTwips, int toTwips)
{
    m_slide->start(fromTwips, toTwips);
}

void frmTolvane::openOptions()
{
    setOptionsOpen(true);
    OptionsHost host { [this] { return m_opacity; },
        [this](bool on, int opacity) { MakeTransparent(on, opacity); },
        [this] { applySavedOptions(); },
        [this] {
            m_favoris->LoadFavorites();
            ShowFavoritesTab();
        } };
    m_windows->showOptions(std::move(host), [this] { setOptionsOpen(false); });
}

// The favorites module takes no drops while the dialog may rewrite its files.
void frmTolvane::setOptionsOpen(bool open)
{
    m_optionsOpen = open;
    m_favoris->setOptionsOpen(open);
}

frmOptions* frmTolvane::options() const
{
    return m_windows->options();
}

// What "Sauver" asks of the bar: everything re-read and applied, and the weather at once.
void frmTolvane::applySavedOptions()
{
    InitBar();
    m_meteo->ConnectToWeather();
}

void frmTolvane::quitBar()
{
    KeepNotes();
    m_windows->hideTray();
    QApplication::quit();
}
