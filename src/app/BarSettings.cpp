#include "BarSettings.h"

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
    b.dockLeft = s.number(QStringLiteral("Position")) != 0;
    b.spaceBetweenModules = static_cast<int>(s.number(QStringLiteral("SpaceBetweenModules")));
    b.favWinDisplaySmallIcons = byteOf(s.number(QStringLiteral("FavWinDisplaySmallIcons"))) != 0;
    b.moduleOrder = s.value(QStringLiteral("SortModules"));
    b.transparencyOn = byteOf(s.number(QStringLiteral("DisplayTransparency")));
    b.transparency = byteOf(s.number(QStringLiteral("Transparency")));
    b.showClock = byteOf(s.number(QStringLiteral("DisplayClock"))) != 0;
    b.clockSmall = int16Of(s.number(QStringLiteral("DisplayClockSmall"))) != 0;
    b.showMeteo = byteOf(s.number(QStringLiteral("DisplayMeteo"))) != 0;
    b.showSysInfo = byteOf(s.number(QStringLiteral("DisplaySysInfo"))) != 0;
    b.meteoSmall = int16Of(s.number(QStringLiteral("DisplayMeteoSmall"))) != 0;
    b.showLAN = byteOf(s.number(QStringLiteral("DisplayLAN"))) != 0;
    b.showEmails = byteOf(s.number(QStringLiteral("DisplayEmails"))) != 0;
    b.showPhoto = byteOf(s.number(QStringLiteral("DisplayPhoto"))) != 0;
    b.favInternetSort = int16Of(s.number(QStringLiteral("FavInternetSort")));
    b.favWindowsSort = int16Of(s.number(QStringLiteral("FavWindowsSort")));
    b.favModuleNbElem = int16Of(s.number(QStringLiteral("FavModuleNbElem")));
    b.showFavoris = byteOf(s.number(QStringLiteral("DisplayFavoris"))) != 0;
    b.showPenseBete = byteOf(s.number(QStringLiteral("DisplayPenseBete"))) != 0;
    b.meteoPeriod = secondsOf(s.decimal(QStringLiteral("TimerMeteo")));
    b.mailPeriod = secondsOf(s.decimal(QStringLiteral("TimerEmail")));
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
