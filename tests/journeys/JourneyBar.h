#pragma once

#include "Controls.h"
#include "Drops.h"
#include "FakePlatform.h"
#include "ReferenceRC4.h"
#include "TestFiles.h"
#include "app/frmTolvane.h"
#include "options/frmOptions.h"
#include "platform/linux/LinuxPlatform.h"
#include "shell/AppPaths.h"
#include "shell/SettingsKeys.h"
#include "shell/SettingsStore.h"
#include "shell/Skin.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <memory>

// While alive, nothing can be written into the folder, whichever user or thread writes: a plain
// file stands in its place.
class WritesRefused {
    QString m_folder;

public:
    explicit WritesRefused(const QString& folder)
        : m_folder(folder)
    {
        QDir().rename(folder, folder + QStringLiteral(".away"));
        writeBytes(folder, "x");
    }
    ~WritesRefused()
    {
        QFile::remove(m_folder);
        QDir().rename(m_folder + QStringLiteral(".away"), m_folder);
    }
};

// The whole bar as main() builds it: paths worked out from private XDG folders (configuration,
// data, runtime), the real settings store and Linux services, and AppDir the program's folder in
// the build. Only what would leave the test is replaced: message boxes are recorded and answered
// from a script, nothing is launched or played, the machine looks offline (no weather or mail
// round starts by itself) and the window is not made a dock.
class JourneyBar {
    QTemporaryDir m_root;

public:
    // Settings and data files may be prepared between construction and start().
    JourneyBar()
    {
        for (const char* folder : { "config", "data", "runtime" })
            QDir(m_root.path()).mkpath(QLatin1String(folder));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_root.filePath(QStringLiteral("config"))));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_root.filePath(QStringLiteral("data"))));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_root.filePath(QStringLiteral("runtime"))));
        AppPaths::Environment environment = AppPaths::Environment::current();
        environment.programDir = QStringLiteral(TOLVANE_APP_DIR);
        paths = AppPaths::resolve(environment);
        AppPaths::makePrivateFolder(paths.dataDir);
        settings = std::make_unique<SettingsStore>();
        offline.connected = false;
        // No journey asks the public forecast service, nor waits for the welcome window.
        settings->save(Keys::OpenMeteoAddress, QStringLiteral("http://127.0.0.1:1/v1/forecast"));
        settings->save(Keys::SplashScreen, QStringLiteral("0"));
    }

    // Builds the bar and starts it as the program does.
    frmTolvane& start()
    {
        system = std::make_unique<LinuxPlatform>(paths.autostartDir());
        Platform services = system->services();
        if (stillClock)
            services.clock = &fakes.clock;
        services.dialogs = &dialogs;
        services.launcher = &fakes.launcher;
        services.sound = &fakes.sound;
        services.connection = &offline;
        services.hosts = &fakes.hosts;
        services.screenEdge = &fakes.screenEdge;
        context = AppContext { paths.appDir, paths.dataDir, settings.get(), &skin, services,
            QLocale::c() };
        bar = std::make_unique<frmTolvane>(context);
        bar->Start();
        bar->show();
        return *bar;
    }

    // The bar ended and built again over the same folders, as at the next session.
    frmTolvane& restart()
    {
        bar.reset();
        return start();
    }

    QString dataFile(const QString& name) const { return paths.dataDir + QLatin1Char('/') + name; }

    // The lines of a data file without their CR LF, read as Windows-1252 text (the journeys'
    // texts are all Latin-1); an empty list when the file cannot be read.
    QStringList lines(const QString& name) const
    {
        QFile file(dataFile(name));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList read;
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (!line.isEmpty())
                read.append(QString::fromLatin1(line.endsWith('\r') ? line.chopped(1) : line));
        }
        return read;
    }

    // A favorites file as "target|label" pairs, split at the first ";".
    QStringList favorites(const QString& name) const
    {
        QStringList pairs;
        for (const QString& line : lines(name))
            pairs.append(line.section(QLatin1Char(';'), 0, 0) + QLatin1Char('|')
                + line.section(QLatin1Char(';'), 1));
        return pairs;
    }

    // The enciphered accounts file, each line deciphered and split at ";".
    QList<QStringList> accounts() const
    {
        QFile file(dataFile(QStringLiteral("tolvane_EmailAccounts.dat")));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QList<QStringList> records;
        for (const QString& line : ReferenceRC4::decipherFile(file.readAll()))
            records.append(line.split(QLatin1Char(';')));
        return records;
    }

    // A click on a list row (0-based) where the user would click it.
    static void clickRow(QTreeWidget* list, int row)
    {
        QTreeWidgetItem* item = list->topLevelItem(row);
        QVERIFY(item);
        list->scrollToItem(item);
        QTest::mouseClick(
            list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    }

    // The options dialog opened with the bar's button; nullptr when none opened.
    frmOptions* openOptions()
    {
        click(bar.get(), "pictConfig");
        return window<frmOptions>();
    }

    // A window of the program by its object name (by default its class name), nullptr when none
    // is open.
    template <typename T = QWidget> static T* window(const QString& name)
    {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == name && top->isVisible())
                return qobject_cast<T*>(top);
        }
        return nullptr;
    }
    template <typename T> static T* window()
    {
        return window<T>(QLatin1String(T::staticMetaObject.className()));
    }

    // With it set before start(), the bar reads the time from fakes.clock, which the test moves.
    bool stillClock = false;
    AppPaths paths;
    std::unique_ptr<SettingsStore> settings;
    RecordingDialogs dialogs;
    FakePlatform fakes;
    FakeConnection offline;
    SkinState skin;
    std::unique_ptr<LinuxPlatform> system;
    AppContext context;
    std::unique_ptr<frmTolvane> bar;
};
