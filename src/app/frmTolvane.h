#pragma once

#include "BarSettings.h"
#include "TitleStrip.h"
#include "shell/AppContext.h"

#include <QList>
#include <QWidget>

#include <memory>

struct BarDock;
struct ModuleEntry;
struct SettingKey;
class BackgroundImage;
class BarModule;
class BarSlide;
class BarTimers;
class BarWindows;
class frmOptions;
class PictureBox;
class frmCPUUsage;
class frmFavoris;
class frmHorloge;
class frmLAN;
class frmMeteo;
class frmemail;
class modPenseBete;
class NoteWindows;

// The bar: a 146-pixel window docked at a screen edge, with its title strip and buttons, the
// stack of modules of ModuleTable(), the five one-second timers and the windows it opens.
class frmTolvane : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 146;

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
    // What the user typed in the notes goes to disk: the program ends or the session closes.
    void KeepNotes();

    // Slid away to the screen edge (the window itself stays shown).
    bool isSlidAway() const { return m_slidAway; }
    bool isSliding() const;
    int opacity() const { return m_opacity; }
    bool optionsOpen() const { return m_optionsOpen; }
    // The options window while it is open, else nullptr.
    frmOptions* options() const;
    const BarSettings& settings() const { return m_settings; }
    BarTimers& timers() { return *m_timers; }
    QList<BarModule*> modules() const;
    modPenseBete& notesStore() const { return *m_notesStore; }
    NoteWindows& noteWindows() const { return *m_noteWindows; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct Module {
        const ModuleEntry* entry;
        BarModule* widget;
    };

    void buildTitleStrip();
    void buildModules();
    void buildNotes();
    void connectModules();
    void applyBarSkin(class SkinImages& images);
    void placeBackground();
    void toggleSmallForm(const ModuleEntry& module);
    void selectFavoritesTab(int tab);
    void quitBar();
    void keepNotesAtTheEnd();
    void openOptions();
    void setOptionsOpen(bool open);
    void applySavedOptions();
    BarDock dock() const;
    int moveToLeftTwips(int leftTwips); // returns the new x in pixels
    template <typename T> T* module() const;
    void reserveScreenEdge();

    AppContext& m_context;
    BarSettings m_settings;
    bool m_slidAway = false;
    bool m_weatherShown = false; // the weather module has shown its placeholders once
    int m_opacity = 255;
    int m_selectedFavoritesTab = 1;
    bool m_optionsOpen = false;

    BackgroundImage* m_imgBG = nullptr;
    PictureBox* m_pictBGBottom = nullptr;
    TitleStrip m_title;
    QList<Module> m_modules;
    frmHorloge* m_clock = nullptr;
    frmemail* m_email = nullptr;
    frmFavoris* m_favoris = nullptr;
    frmMeteo* m_meteo = nullptr;
    frmCPUUsage* m_system = nullptr;
    frmLAN* m_lan = nullptr;

    BarTimers* m_timers = nullptr;
    BarSlide* m_slide = nullptr;
    BarWindows* m_windows = nullptr;
    // The note windows go before the store they show.
    std::unique_ptr<modPenseBete> m_notesStore;
    std::unique_ptr<NoteWindows> m_noteWindows;
};
