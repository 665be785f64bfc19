#include "app/frmTolvane.h"
#include "common/DataFolder.h"
#include "platform/linux/LinuxPlatform.h"
#include "platform/linux/MessageDialogs.h"
#include "platform/linux/SingleInstanceLock.h"
#include "shell/SettingsStore.h"
#include "shell/Skin.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tolvane"));
    QApplication::setQuitOnLastWindowClosed(false);

    SingleInstanceLock lock(QStringLiteral("tolvane"));
    if (!lock.tryAcquire()) {
        const QString text
            = QStringLiteral("La Tolvane est d\u00e9j\u00e0 pr\u00e9sente en m\u00e9moire ;-)");
        // The process tests start a second copy without a screen to click on.
        if (qEnvironmentVariableIsSet("TOLVANE_NO_DIALOGS"))
            std::fprintf(stderr, "%s\n", text.toUtf8().constData());
        else
            MessageDialogs().message(Dialogs::Icon::Critical, QStringLiteral("Tolvane"), text);
        return 0;
    }

    LinuxPlatform platform;
    SettingsStore settings;
    SkinState skin;
    const QString appDir = QApplication::applicationDirPath();
    AppContext context { appDir, appDir, &settings, &skin, platform.services() };
    DataFolder::removeStaleCopies(context.dataDir, { QStringLiteral("tolvane_*.dat") });
    frmTolvane bar(context);
    bar.Start();
    bar.show();
    return app.exec();
}
