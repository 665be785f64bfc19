#pragma once

#include <QString>

class SettingsStore;

// The bar's own copy of the settings, refreshed only when the bar is (re)initialised.
struct BarSettings {
    bool dockLeft = false;
    int spaceBetweenModules = 2;
    bool favWinDisplaySmallIcons = false;
    QString moduleOrder;
    int transparencyOn = 1;
    int transparency = 128;
    bool showClock = true;
    bool clockSmall = false;
    bool showMeteo = true;
    bool meteoSmall = false;
    bool showSysInfo = false;
    bool showLAN = false;
    bool showEmails = false;
    bool showPhoto = true;
    bool showFavoris = true;
    bool showPenseBete = false;
    int favInternetSort = 0;
    int favWindowsSort = 0;
    double favModuleNbElem = 5;
    int meteoPeriod = 15 * 60; // seconds
    int mailPeriod = 10 * 60;  // seconds

    static BarSettings read(const SettingsStore& settings);
};

// The window opacity (0-255) for the transparency settings, or -1 when the opacity is to be
// left as it is.
int OpacityFor(int transparencyOn, int transparency);
