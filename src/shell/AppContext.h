#pragma once

#include "platform/Platform.h"

#include <QLocale>
#include <QString>

class SettingsStore;
struct SkinState;

// What every window of the bar is handed when it is built: the program's folder (AppDir, where
// the shipped pictures and skins live), the user's data folder (where the data files live),
// the settings, the current skin, the platform services and the locale. main() owns them;
// tests make their own. Every service is required: nothing falls back to the real system.
struct AppContext {
    QString appDir;
    QString dataDir;
    SettingsStore* settings = nullptr;
    SkinState* skin = nullptr;
    Platform platform;
    // Dates and numbers are written the way this locale says.
    QLocale locale = QLocale::c();

    QString path(const QString& relative) const { return appDir + QLatin1Char('/') + relative; }
    QString dataPath(const QString& relative) const
    {
        return dataDir + QLatin1Char('/') + relative;
    }
};
