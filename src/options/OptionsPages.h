#pragma once

#include <QGroupBox>

#include <functional>

class Dialogs;
class OptionsForm;
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

// "Favoris Windows" or "Favoris Internet": how the bar sorts that list.
class OptionsFavoritesPage : public QGroupBox {
    Q_OBJECT
public:
    enum class Kind { Windows, Internet };
    OptionsFavoritesPage(OptionsForm& form, Kind kind, QWidget* parent = nullptr);
};
