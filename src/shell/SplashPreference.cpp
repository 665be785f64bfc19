#include "SplashPreference.h"
#include "shell/SettingsKeys.h"

#include "SettingsStore.h"

namespace SplashPreference {

bool ShowAtStartUp(const SettingsStore& settings)
{
    return settings.number(Keys::SplashScreen) == 1;
}

bool Remember(SettingsStore& settings, bool doNotDisplay)
{
    return settings.save(
        Keys::SplashScreen, doNotDisplay ? QStringLiteral("0") : QStringLiteral("1"));
}

} // namespace SplashPreference
