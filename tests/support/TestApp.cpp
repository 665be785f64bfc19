#include "TestApp.h"
#include "shell/SettingsKeys.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

static void copyTree(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(source, target);
    }
}

QString TestApp::shippedDataDir()
{
    const QByteArray source = qgetenv("TOLVANE_SOURCE_DIR");
    return QString::fromLocal8Bit(source) + QStringLiteral("/data");
}

TestApp::TestApp(bool withShippedData)
    : settings(std::make_unique<SettingsStore>(m_config.path()))
{
    if (withShippedData)
        copyTree(shippedDataDir(), m_appDir.path());
    context.appDir = m_appDir.path();
    context.dataDir = m_data.path();
    context.settings = settings.get();
    context.skin = &skin;
    context.platform = fakes.services();
    context.locale = QLocale(); // the test's own default locale
    // No test ever asks the public forecast service: unless a test names its own server, the
    // address is a closed port of this machine.
    settings->save(Keys::OpenMeteoAddress, QStringLiteral("http://127.0.0.1:1/v1/forecast"));
}
