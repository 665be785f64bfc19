#pragma once

#include "ModuleOrder.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <span>

struct SettingKey;
class SettingsStore;

// What the options dialog shows of the settings, without any window: loaded from the store with
// the dialog's own defaults, every ranged number brought into its control's range, and written
// back whole by "Sauver".
class OptionsForm {
public:
    // themes: the skin names the theme list offers.
    void load(const SettingsStore& settings, const QStringList& themes);
    // Writes every key in the dialog's order; false when one of them could not be written.
    bool save(SettingsStore& settings) const;

    bool checked(const SettingKey& key) const;
    void setChecked(const SettingKey& key, bool on);
    int number(const SettingKey& key) const;
    void setNumber(const SettingKey& key, int value);
    QString text(const SettingKey& key) const;
    void setText(const SettingKey& key, const QString& text);

    QString selectedSkin() const { return m_selectedSkin; }
    void setSelectedSkin(const QString& name) { m_selectedSkin = name; }
    // The skin names given at load.
    const QStringList& themes() const { return m_themes; }
    // The theme list's row of the selected skin, -1 when it is not listed.
    int selectedTheme() const { return m_themes.indexOf(m_selectedSkin); }

    ModuleOrder& moduleOrder() { return m_order; }
    const ModuleOrder& moduleOrder() const { return m_order; }

    // The keys "Sauver" writes, in the order it writes them.
    static std::span<const SettingKey* const> savedKeys();

private:
    QHash<QString, QString> m_values; // by key name: the text each control stands for
    QString m_selectedSkin;
    QStringList m_themes;
    ModuleOrder m_order;
};

// The transparency preview: the label's text and the bar's opacity for a slider value.
namespace TransparencyPreview {
QString label(int sliderValue);
int opacity(bool enabled, int sliderValue);
} // namespace TransparencyPreview
