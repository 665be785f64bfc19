#pragma once

#include <QString>

#include <span>

// One key of the settings store with its two defaults: the one the bar uses when it starts and
// the one the options dialog shows. A null default means the reader passes none (the key then
// reads as an empty text, which is 0 as a number). Call sites name a key through Keys::, never
// by a string.
struct SettingKey {
    const char* name;
    const char* barDefault;
    const char* optionsDefault;

    QString key() const { return QLatin1String(name); }
    QString barDefaultText() const
    {
        return barDefault ? QString::fromUtf8(barDefault) : QString();
    }
    QString optionsDefaultText() const
    {
        return optionsDefault ? QString::fromUtf8(optionsDefault) : QString();
    }
};

namespace Keys {

inline constexpr const char* kDefaultOrder
    = "Photo;Horloge;e-Mails;Favoris;M\xC3\xA9t\xC3\xA9o;Infos Syst\xC3\xA8me;Bande Passante";

inline constexpr SettingKey SpaceBetweenModules { "SpaceBetweenModules", "2", "2" };
inline constexpr SettingKey SortModules { "SortModules", kDefaultOrder, kDefaultOrder };
inline constexpr SettingKey DisplayTransparency { "DisplayTransparency", "1", "1" };
inline constexpr SettingKey Transparency { "Transparency", "128", "75" };
inline constexpr SettingKey Position { "Position", "0", "0" };
inline constexpr SettingKey DisplayPhoto { "DisplayPhoto", "1", "1" };
inline constexpr SettingKey Photo { "Photo", "", "" };
inline constexpr SettingKey DisplayClock { "DisplayClock", "1", "1" };
inline constexpr SettingKey DisplayClockSmall { "DisplayClockSmall", "0", "0" };
inline constexpr SettingKey DisplayMeteo { "DisplayMeteo", "1", "1" };
inline constexpr SettingKey DisplayMeteoSmall { "DisplayMeteoSmall", "0", "0" };
inline constexpr SettingKey City { "City", "198", "198" };
inline constexpr SettingKey TimerMeteo { "TimerMeteo", "15", "15" };
inline constexpr SettingKey DisplaySysInfo { "DisplaySysInfo", "0", "0" };
inline constexpr SettingKey DisplayLAN { "DisplayLAN", "0", "0" };
inline constexpr SettingKey DisplayEmails { "DisplayEmails", "0", "0" };
inline constexpr SettingKey TimerEmail { "TimerEmail", "10", "10" };
inline constexpr SettingKey DisplayFavoris { "DisplayFavoris", "1", "1" };
inline constexpr SettingKey FavInternetSort { "FavInternetSort", "0", "0" };
inline constexpr SettingKey FavWindowsSort { "FavWindowsSort", "0", "0" };
inline constexpr SettingKey FavModuleNbElem { "FavModuleNbElem", "5", "5" };
inline constexpr SettingKey FavWinDisplaySmallIcons { "FavWinDisplaySmallIcons", nullptr, "1" };
inline constexpr SettingKey DisplayPenseBete { "DisplayPenseBete", "0", "0" };
inline constexpr SettingKey Skin { "Skin", "default", "default" };
inline constexpr SettingKey SplashScreen { "SplashScreen", "1", nullptr };
inline constexpr SettingKey Password { "Password", "", nullptr };
// Where the weather feed is fetched from: a host name, optionally followed by ":port".
inline constexpr SettingKey WeatherServer { "WeatherServer", "127.0.0.1:8765", "127.0.0.1:8765" };
inline constexpr SettingKey AutoStart { "AutoStart", "0", "0" };
// Whether the bar keeps its strip of the screen edge free of maximised windows.
inline constexpr SettingKey ReserveScreenEdge { "ReserveScreenEdge", "1", "1" };

} // namespace Keys

namespace SettingsKeys {

inline constexpr const char* kApplication = "Tolvane";
inline constexpr const char* kSection = "Options";

// Every key, in the order the settings file lists them.
std::span<const SettingKey* const> all();

// The key's row, or nullptr for a name not in the table (letter case ignored).
const SettingKey* find(const QString& name);

} // namespace SettingsKeys
