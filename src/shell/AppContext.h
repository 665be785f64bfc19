#pragma once

#include "platform/Platform.h"

#include <QLocale>
#include <QString>

class SettingsStore;
struct SkinState;

// What every window of the bar is handed when it is built: the program's read-only files (AppDir:
// the shipped pictures, skins and sounds), the user's data folder (the data files and the user's
// own skins), the settings, the current skin, the platform services and the locale. main() owns
// them; tests make their own. Every service is required: nothing falls back to the real system.
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
    // The user's own skins, laid out like the program's skins/ folder.
    QString userSkinsDir() const { return dataPath(QStringLiteral("skins")); }
};
