#include "SplashPreference.h"

#include "SettingsStore.h"

namespace SplashPreference {

bool ShowAtStartUp(const SettingsStore& settings)
{
    return settings.number(QStringLiteral("SplashScreen")) == 1;
}

bool Remember(SettingsStore& settings, bool doNotDisplay)
{
    return settings.save(
        QStringLiteral("SplashScreen"), doNotDisplay ? QStringLiteral("0") : QStringLiteral("1"));
}

} // namespace SplashPreference
