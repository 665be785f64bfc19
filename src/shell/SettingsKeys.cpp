#include "SettingsKeys.h"

#include <array>

namespace {

constexpr std::array kKeys = {
    &Keys::SpaceBetweenModules,
    &Keys::SortModules,
    &Keys::DisplayTransparency,
    &Keys::Transparency,
    &Keys::Position,
    &Keys::DisplayPhoto,
    &Keys::Photo,
    &Keys::DisplayClock,
    &Keys::DisplayClockSmall,
    &Keys::DisplayMeteo,
    &Keys::DisplayMeteoSmall,
    &Keys::City,
    &Keys::TimerMeteo,
    &Keys::DisplaySysInfo,
    &Keys::DisplayLAN,
    &Keys::DisplayEmails,
    &Keys::TimerEmail,
    &Keys::DisplayFavoris,
    &Keys::FavInternetSort,
    &Keys::FavWindowsSort,
    &Keys::FavModuleNbElem,
    &Keys::FavWinDisplaySmallIcons,
    &Keys::DisplayPenseBete,
    &Keys::Skin,
    &Keys::SplashScreen,
    &Keys::Password,
    &Keys::WeatherServer,
    &Keys::WeatherSource,
    &Keys::OpenMeteoAddress,
    &Keys::AutoStart,
    &Keys::ReserveScreenEdge,
    &Keys::NotifyNewMail,
};

} // namespace

namespace SettingsKeys {

std::span<const SettingKey* const> all()
{
    return kKeys;
}

const SettingKey* find(const QString& name)
{
    for (const SettingKey* key : kKeys) {
        if (name.compare(QLatin1String(key->name), Qt::CaseInsensitive) == 0)
            return key;
    }
    return nullptr;
}

} // namespace SettingsKeys
