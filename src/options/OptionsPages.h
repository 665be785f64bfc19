#pragma once

#include <QGroupBox>

#include <functional>

class Dialogs;
class FavoritesOptions;
enum class FavoriteKind;
class OptionsForm;
class QComboBox;
class QPushButton;
class QBoxLayout;
class QLabel;
class QLineEdit;
class QTreeWidget;

// The page frames of the options dialog. Each builds its controls from the form and keeps the
// form up to date as the user changes them.

class OptionsModulesPage : public QGroupBox {
    Q_OBJECT
public:
    OptionsModulesPage(OptionsForm& form, Dialogs* dialogs, QWidget* parent = nullptr);

private:
    void choosePicture();

    OptionsForm& m_form;
    Dialogs* m_dialogs;
    QLineEdit* m_photo = nullptr;
};

class OptionsDisplayPage : public QGroupBox {
    Q_OBJECT
public:
    // preview: shows a transparency on the bar at once (on, opacity).
    OptionsDisplayPage(
        OptionsForm& form, std::function<void(bool, int)> preview, QWidget* parent = nullptr);

private:
    void showTransparency();

    OptionsForm& m_form;
    std::function<void(bool, int)> m_preview;
    QLabel* m_percent = nullptr;
};

class OptionsOrderPage : public QGroupBox {
    Q_OBJECT
public:
    explicit OptionsOrderPage(OptionsForm& form, QWidget* parent = nullptr);

private:
    void fill(int selected);
    void move(bool up);

    OptionsForm& m_form;
    QTreeWidget* m_list = nullptr;
};

// "Favoris Windows" or "Favoris Internet": the list's entries, how the bar sorts them, their
// order and deletion.
class OptionsFavoritesPage : public QGroupBox {
    Q_OBJECT
public:
    enum class Kind { Windows, Internet };
    OptionsFavoritesPage(
        OptionsForm& form, FavoritesOptions& favorites, Kind kind, QWidget* parent = nullptr);

    // Enables the two move buttons while the page's sort mode is the user's own order.
    void enableMoves();

signals:
    void sortModeChanged();
    // An entry was deleted and its file written.
    void favoritesChanged();

private:
    void buildList(QBoxLayout* page, bool windows);
    void fill(int selected);
    void move(bool up);
    void remove();
    FavoriteKind favoriteKind() const;

    FavoritesOptions& m_favorites;
    Kind m_kind;
    QComboBox* m_sort = nullptr;
    QTreeWidget* m_list = nullptr;
    QPushButton* m_up = nullptr;
    QPushButton* m_down = nullptr;
};
