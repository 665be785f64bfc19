#pragma once

#include "platform/Platform.h"

#include <QString>

class SettingsStore;
struct SkinState;

// What every window of the bar is handed when it is built: the program's read-only files (AppDir:
// the shipped pictures, skins and sounds), the user's data folder (the data files and the user's
// own skins),
// the settings, the current skin and the platform services. main() owns them; tests make
// their own.
struct AppContext {
    QString appDir;
    QString dataDir;
    SettingsStore* settings = nullptr;
    SkinState* skin = nullptr;
    Platform platform;

    QString path(const QString& relative) const { return appDir + QLatin1Char('/') + relative; }
    QString dataPath(const QString& relative) const
    {
        return dataDir + QLatin1Char('/') + relative;
    }
    // The user's own skins, laid out like the program's skins/ folder.
    QString userSkinsDir() const { return dataPath(QStringLiteral("skins")); }
};
