#include "BarSettings.h"
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

// Minutes (decimals allowed) into a 16-bit count of seconds.
static int secondsOf(double minutes)
{
    return int16Of(Numbers::RoundHalfEven(minutes * 60));
}

BarSettings BarSettings::read(const SettingsStore& s)
{
    BarSettings b;
    b.dockLeft = s.number(Keys::Position) != 0;
    b.spaceBetweenModules = static_cast<int>(s.number(Keys::SpaceBetweenModules));
    b.favWinDisplaySmallIcons = byteOf(s.number(Keys::FavWinDisplaySmallIcons)) != 0;
    b.moduleOrder = s.value(Keys::SortModules);
    b.transparencyOn = byteOf(s.number(Keys::DisplayTransparency));
    b.transparency = byteOf(s.number(Keys::Transparency));
    b.showClock = byteOf(s.number(Keys::DisplayClock)) != 0;
    b.clockSmall = int16Of(s.number(Keys::DisplayClockSmall)) != 0;
    b.showMeteo = byteOf(s.number(Keys::DisplayMeteo)) != 0;
    b.showSysInfo = byteOf(s.number(Keys::DisplaySysInfo)) != 0;
    b.meteoSmall = int16Of(s.number(Keys::DisplayMeteoSmall)) != 0;
    b.showLAN = byteOf(s.number(Keys::DisplayLAN)) != 0;
    b.showEmails = byteOf(s.number(Keys::DisplayEmails)) != 0;
    b.showPhoto = byteOf(s.number(Keys::DisplayPhoto)) != 0;
    b.favInternetSort = int16Of(s.number(Keys::FavInternetSort));
    b.favWindowsSort = int16Of(s.number(Keys::FavWindowsSort));
    b.favModuleNbElem = int16Of(s.number(Keys::FavModuleNbElem));
    b.showFavoris = byteOf(s.number(Keys::DisplayFavoris)) != 0;
    b.showPenseBete = byteOf(s.number(Keys::DisplayPenseBete)) != 0;
    b.meteoPeriod = secondsOf(s.decimal(Keys::TimerMeteo));
    b.mailPeriod = secondsOf(s.decimal(Keys::TimerEmail));
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
