#pragma once

#include "FakePlatform.h"
#include "shell/AppContext.h"
#include "shell/SettingsStore.h"
#include "shell/Skin.h"

#include <QTemporaryDir>

#include <memory>

// A private AppDir, data folder and settings folder for one test, with fake platform services. The
// shipped data/ tree can be copied in so skins and pictures are the real ones.
class TestApp {
    QTemporaryDir m_appDir;
    QTemporaryDir m_config;
    QTemporaryDir m_data;

public:
    explicit TestApp(bool withShippedData = true);

    QString appDir() const { return m_appDir.path(); }
    QString configDir() const { return m_config.path(); }
    QString dataDir() const { return m_data.path(); }
    // The source tree's data/ folder.
    static QString shippedDataDir();

    FakePlatform fakes;
    std::unique_ptr<SettingsStore> settings;
    SkinState skin;
    AppContext context;
};
