#include "SettingsKeys.h"

#include <array>

namespace {

constexpr const char* kDefaultOrder
    = "Photo;Horloge;e-Mails;Favoris;M\xC3\xA9t\xC3\xA9o;Infos Syst\xC3\xA8me;Bande Passante";

constexpr std::array<SettingKey, 27> kKeys = { {
    { "SpaceBetweenModules", "2", "2" },
    { "SortModules", kDefaultOrder, kDefaultOrder },
    { "DisplayTransparency", "1", "1" },
    { "Transparency", "128", "75" },
    { "Position", "0", "0" },
    { "DisplayPhoto", "1", "1" },
    { "Photo", "", "" },
    { "DisplayClock", "1", "1" },
    { "DisplayClockSmall", "0", "0" },
    { "DisplayMeteo", "1", "1" },
    { "DisplayMeteoSmall", "0", "0" },
    { "City", "198", "198" },
    { "TimerMeteo", "15", "15" },
    { "DisplaySysInfo", "0", "0" },
    { "DisplayLAN", "0", "0" },
    { "DisplayEmails", "0", "0" },
    { "TimerEmail", "10", "10" },
    { "DisplayFavoris", "1", "1" },
    { "FavInternetSort", "0", "0" },
    { "FavWindowsSort", "0", "0" },
    { "FavModuleNbElem", "5", "5" },
    { "FavWinDisplaySmallIcons", nullptr, "1" },
    { "DisplayPenseBete", "0", "0" },
    { "Skin", "default", "default" },
    { "SplashScreen", "1", nullptr },
    { "Password", "", nullptr },
    // Where the weather feed is fetched from: a host name, optionally followed by ":port".
    { "WeatherServer", "127.0.0.1:8765", "127.0.0.1:8765" },
} };

QString text(const char* value)
{
    return value ? QString::fromUtf8(value) : QString();
}

} // namespace

namespace SettingsKeys {

const SettingKey* find(const QString& name)
{
    for (const SettingKey& key : kKeys) {
        if (name.compare(QLatin1String(key.name), Qt::CaseInsensitive) == 0)
            return &key;
    }
    return nullptr;
}

QString barDefault(const QString& name)
{
    const SettingKey* key = find(name);
    return key ? text(key->barDefault) : QString();
}

QString optionsDefault(const QString& name)
{
    const SettingKey* key = find(name);
    return key ? text(key->optionsDefault) : QString();
}

} // namespace SettingsKeys
