#include "BarSettings.h"

#include "ModuleTable.h"
#include "shell/SettingsKeys.h"

#include "common/Numbers.h"
#include "shell/SettingsStore.h"

#include <QtGlobal>

static int byteOf(qint64 value)
{
    return static_cast<int>(qBound<qint64>(0, value, qint64(255)));
}

static int int16Of(qint64 value)
{
    return static_cast<int>(qBound<qint64>(qint64(-32768), value, qint64(32767)));
}

// A number the options dialog edits within a range is read within that range, so a hand-edited
// file cannot stretch or collapse the bar.
static qint64 bounded(const SettingsStore& settings, const SettingKey& key)
{
    return key.bounded(settings.number(key));
}

// Minutes (decimals allowed) into a 16-bit count of seconds.
static int secondsOf(double minutes)
{
    return int16Of(Numbers::RoundHalfEven(minutes * 60));
}

BarSettings BarSettings::read(const SettingsStore& s)
{
    BarSettings b;
    b.dockLeft = s.number(Keys::Position) != 0;
    b.spaceBetweenModules = static_cast<int>(bounded(s, Keys::SpaceBetweenModules));
    b.moduleOrder = s.value(Keys::SortModules);
    b.transparencyOn = byteOf(s.number(Keys::DisplayTransparency));
    b.transparency = byteOf(s.number(Keys::Transparency));
    b.favInternetSort = static_cast<int>(bounded(s, Keys::FavInternetSort));
    b.favWindowsSort = static_cast<int>(bounded(s, Keys::FavWindowsSort));
    b.favModuleNbElem = static_cast<double>(bounded(s, Keys::FavModuleNbElem));
    b.meteoPeriod = secondsOf(s.decimal(Keys::TimerMeteo));
    b.mailPeriod = secondsOf(s.decimal(Keys::TimerEmail));
    for (const ModuleEntry& module : ModuleTable()) {
        b.shown.insert(module.id, byteOf(s.number(*module.displayKey)) != 0);
        if (module.smallKey)
            b.small.insert(module.id, int16Of(s.number(*module.smallKey)) != 0);
    }
    return b;
}

int OpacityFor(int transparencyOn, int transparency)
{
    if (transparencyOn == 0)
        return 255;
    if (transparency == 0)
        return -1;
    return 255 - transparency;
}
