#pragma once

#include <QString>
#include <QStringList>

struct SettingKey;
class OptionsForm;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTreeWidget;
class QWidget;

// Controls of the options pages, each named like the control it stands for and, where it
// carries a setting, kept in step with the form from the start.
namespace OptionsControls {

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption, OptionsForm& form,
    const SettingKey& key);
// An up-down with its text box: the spin box is the up-down, its line edit the text box.
QSpinBox* upDown(QWidget* parent, const char* name, const char* textName, OptionsForm& form,
    const SettingKey& key);
// A drop-down list whose position is the setting.
QComboBox* positionList(QWidget* parent, const char* name, const QStringList& entries,
    OptionsForm& form, const SettingKey& key);
QPushButton* button(QWidget* parent, const char* name, const QString& caption);
QLabel* label(QWidget* parent, const char* name, const QString& text);
// A single-selection list in report style with the given column headings.
QTreeWidget* reportList(QWidget* parent, const char* name, const QStringList& headings);

} // namespace OptionsControls
