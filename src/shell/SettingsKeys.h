#pragma once

#include <QString>

// Every key of the settings store with its two defaults: the one the bar uses when it starts and
// the one the options dialog shows. A null default means the reader passes none (the key then
// reads as an empty text, which is 0 as a number).
struct SettingKey {
    const char* name;
    const char* barDefault;
    const char* optionsDefault;
};

namespace SettingsKeys {

inline constexpr const char* kApplication = "Tolvane";
inline constexpr const char* kSection = "Options";

// The key's row, or nullptr for a name not in the table (letter case ignored).
const SettingKey* find(const QString& name);

QString barDefault(const QString& name);
QString optionsDefault(const QString& name);

} // namespace SettingsKeys
