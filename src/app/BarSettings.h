#pragma once

#include <QHash>
#include <QString>

class SettingsStore;

// The bar's own copy of the settings, refreshed only when the bar is (re)initialised. The
// defaults are those of the settings keys; the values here are placeholders until read().
struct BarSettings {
    bool dockLeft = false;
    int spaceBetweenModules = 0;
    QString moduleOrder;
    int transparencyOn = 0;
    int transparency = 0;
    int favInternetSort = 0;
    int favWindowsSort = 0;
    double favModuleNbElem = 0;
    int meteoPeriod = 0; // seconds
    int mailPeriod = 0; // seconds
    // By module name in the order string.
    QHash<QString, bool> shown;
    QHash<QString, bool> small;

    bool isShown(const QString& module) const { return shown.value(module); }
    bool isSmall(const QString& module) const { return small.value(module); }

    static BarSettings read(const SettingsStore& settings);
};

// The window opacity (0-255) for the transparency settings, or -1 when the opacity is to be
// left as it is.
int OpacityFor(int transparencyOn, int transparency);
