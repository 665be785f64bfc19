#pragma once

#include "EmailAccountsEditor.h"
#include "FavoritesOptions.h"
#include "OptionsForm.h"

#include <QWidget>

#include <functional>

struct AppContext;
class OptionsFavoritesPage;
class QPushButton;
class QStackedWidget;

// What the options dialog asks of the bar it belongs to.
struct OptionsHost {
    std::function<int()> opacity; // the bar's opacity now
    std::function<void(bool, int)> makeTransparent; // MakeTransparent(on, opacity)
    std::function<void()> applySettings; // InitBar, then ConnectToWeather
    std::function<void()> reloadFavorites; // after a favorite was deleted
};

// The options window: six pages chosen with six buttons, "Sauver" and "Annuler". Built afresh
// each time it opens and deleted when it closes.
class frmOptions : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 628;
    static constexpr int kHeight = 472;

    frmOptions(AppContext& context, OptionsHost host, QWidget* parent = nullptr);

    OptionsForm& form() { return m_form; }
    EmailAccountsEditor& accounts() { return m_accounts; }
    FavoritesOptions& favorites() { return m_favorites; }
    void showPage(int page);
    // Enables the move buttons of both favorites pages from their sort modes.
    void UpdateFavSortButtons();

    // "Sauver": writes the settings, the favorites and the accounts, and has the bar apply what
    // was written even when a write failed. True when everything was written and the window
    // closes; after a failure (told by the writer) it stays open.
    bool Save();
    // "Annuler": closes without writing; the bar gets its opacity back.
    void Cancel();

signals:
    // Sent once, when the window goes away by "Sauver", "Annuler" or its frame.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPages();
    void buildButtons();
    void lockForEditing(bool editing);
    void finish();

    AppContext& m_context;
    OptionsHost m_host;
    OptionsForm m_form;
    EmailAccountsEditor m_accounts;
    FavoritesOptions m_favorites;
    int m_openingOpacity = 255;
    bool m_saved = false;
    bool m_finished = false;
    QStackedWidget* m_pages = nullptr;
    QList<QPushButton*> m_pageButtons;
    QList<OptionsFavoritesPage*> m_favoritesPages;
    QPushButton* m_save = nullptr;
    QPushButton* m_quit = nullptr;
};
