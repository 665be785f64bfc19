#pragma once

#include <QString>
#include <QtGlobal>

#include <span>

// One key of the settings store with its two defaults: the one the bar uses when it starts and
// the one the options dialog shows. A null default means the reader passes none (the key then
// reads as an empty text, which is 0 as a number). Call sites name a key through Keys::, never
// by a string. A key the options dialog edits within a range (an up-down, a slider, a list)
// carries that range: the dialog, and the bar where a wild number would break its layout,
// read a stored number within it.
struct SettingKey {
    const char* name;
    const char* barDefault;
    const char* optionsDefault;
    qint64 minimum = 0;
    qint64 maximum = -1; // below minimum: no range

    bool hasRange() const { return minimum <= maximum; }
    qint64 bounded(qint64 value) const
    {
        return hasRange() ? qBound(minimum, value, maximum) : value;
    }

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

inline constexpr SettingKey SpaceBetweenModules { "SpaceBetweenModules", "2", "2", 1, 99 };
inline constexpr SettingKey SortModules { "SortModules", kDefaultOrder, kDefaultOrder };
inline constexpr SettingKey DisplayTransparency { "DisplayTransparency", "1", "1" };
inline constexpr SettingKey Transparency { "Transparency", "128", "75", 0, 150 };
inline constexpr SettingKey Position { "Position", "0", "0" };
inline constexpr SettingKey DisplayPhoto { "DisplayPhoto", "1", "1" };
inline constexpr SettingKey Photo { "Photo", "", "" };
inline constexpr SettingKey DisplayClock { "DisplayClock", "1", "1" };
inline constexpr SettingKey DisplayClockSmall { "DisplayClockSmall", "0", "0" };
inline constexpr SettingKey DisplayMeteo { "DisplayMeteo", "1", "1" };
inline constexpr SettingKey DisplayMeteoSmall { "DisplayMeteoSmall", "0", "0" };
inline constexpr SettingKey City { "City", "198", "198", 0, 388 };
inline constexpr SettingKey TimerMeteo { "TimerMeteo", "15", "15", 5, 480 };
inline constexpr SettingKey DisplaySysInfo { "DisplaySysInfo", "0", "0" };
inline constexpr SettingKey DisplayLAN { "DisplayLAN", "0", "0" };
inline constexpr SettingKey DisplayEmails { "DisplayEmails", "0", "0" };
inline constexpr SettingKey TimerEmail { "TimerEmail", "10", "10", 5, 60 };
inline constexpr SettingKey DisplayFavoris { "DisplayFavoris", "1", "1" };
inline constexpr SettingKey FavInternetSort { "FavInternetSort", "0", "0", 0, 2 };
inline constexpr SettingKey FavWindowsSort { "FavWindowsSort", "0", "0", 0, 2 };
inline constexpr SettingKey FavModuleNbElem { "FavModuleNbElem", "5", "5", 1, 30 };
inline constexpr SettingKey FavWinDisplaySmallIcons { "FavWinDisplaySmallIcons", nullptr, "1" };
inline constexpr SettingKey DisplayPenseBete { "DisplayPenseBete", "0", "0" };
inline constexpr SettingKey Skin { "Skin", "default", "default" };
inline constexpr SettingKey SplashScreen { "SplashScreen", "1", nullptr };
inline constexpr SettingKey Password { "Password", "", nullptr };
// The XML weather feed's server: a host name, optionally followed by ":port"; empty for none.
inline constexpr SettingKey WeatherServer { "WeatherServer", "", "" };
// "auto" (the XML feed when WeatherServer names a server, else the public forecast service),
// "openmeteo" or "xoap".
inline constexpr SettingKey WeatherSource { "WeatherSource", "auto", "auto" };
// The public forecast service's address; a mirror or a test server can stand in for it.
inline constexpr SettingKey OpenMeteoAddress { "OpenMeteoAddress",
    "https://api.open-meteo.com/v1/forecast", "https://api.open-meteo.com/v1/forecast" };
inline constexpr SettingKey AutoStart { "AutoStart", "0", "0" };
// Whether the bar keeps its strip of the screen edge free of maximised windows.
inline constexpr SettingKey ReserveScreenEdge { "ReserveScreenEdge", "1", "1" };
// Whether a desktop notification says that an account's count of new messages rose.
inline constexpr SettingKey NotifyNewMail { "NotifyNewMail", "1", "1" };

} // namespace Keys

namespace SettingsKeys {

inline constexpr const char* kApplication = "Tolvane";
inline constexpr const char* kSection = "Options";

// Every key, in the order the settings file lists them.
std::span<const SettingKey* const> all();

// The key's row, or nullptr for a name not in the table (letter case ignored).
const SettingKey* find(const QString& name);

} // namespace SettingsKeys
