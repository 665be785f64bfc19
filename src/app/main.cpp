#include "app/CommandLine.h"
#include "app/frmTolvane.h"
#include "platform/linux/FontConfigWarmUp.h"
#include "platform/linux/LinuxPlatform.h"
#include "platform/linux/MessageDialogs.h"
#include "platform/linux/SingleInstanceLock.h"
#include "platform/linux/StartupPages.h"
#include "platform/linux/TerminationSignals.h"
#include "shell/AppPaths.h"
#include "shell/DataMigration.h"
#include "shell/SettingsStore.h"
#include "shell/Skin.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

#include <cstdio>

namespace {

// Long enough for the window to be drawn and every module to have ticked once.
constexpr int kSettleMs = 5000;

// The process tests run the program without a screen to click on: messages go to stderr.
void tell(Dialogs::Icon icon, const QString& text)
{
    if (qEnvironmentVariableIsSet("TOLVANE_NO_DIALOGS"))
        std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    else
        MessageDialogs().message(icon, QStringLiteral("Tolvane"), text);
}

// The user's data folder is made private, and data files an earlier version kept beside the
// program are brought into it.
void prepareDataFolder(const AppPaths& paths)
{
    const AppPaths::FolderState state = AppPaths::prepareDataFolder(paths.dataDir);
    if (state != AppPaths::FolderState::Ready)
        tell(Dialogs::Icon::Exclamation, AppPaths::dataFolderWarning(state, paths.dataDir));
    if (state == AppPaths::FolderState::NotCreated || state == AppPaths::FolderState::ReadOnly)
        return;
    const DataMigration::Result moved
        = DataMigration::MoveOldDataFiles(QCoreApplication::applicationDirPath(), paths.dataDir);
    if (!moved.failed.isEmpty())
        tell(Dialogs::Icon::Exclamation,
            QStringLiteral("Ces fichiers n'ont pas pu \u00eatre d\u00e9plac\u00e9s vers \u00ab %1 "
                           "\u00bb et restent \u00e0 leur place : %2")
                .arg(paths.dataDir, moved.failed.join(QStringLiteral(", "))));
}

void tellAlreadyRunning()
{
    tell(Dialogs::Icon::Critical,
        QStringLiteral("La Tolvane est d\u00e9j\u00e0 pr\u00e9sente en m\u00e9moire ;-)"));
}

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// The bar repaints a few hundred pixels a second. Through shared memory each repaint costs a
// round trip to the X server (the segment must have been read before it is painted again), which
// wakes two threads every second; sent inside the request, the pixels need no answer.
void sendPixelsInRequests()
{
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
}

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

int main(int argc, char* argv[])
{
    switch (CommandLine::Read(argumentsOf(argc, argv))) {
    case CommandLine::Action::PrintHelp:
        print(stdout, CommandLine::HelpText());
        return 0;
    case CommandLine::Action::PrintVersion:
        print(stdout, CommandLine::VersionText());
        return 0;
    case CommandLine::Action::StartBar:
        break;
    }

    const FontConfigWarmUp fonts;
    sendPixelsInRequests();
    QApplication app(argc, argv);
    // Qt has taken its own options out of argv: anything left is a mistake.
    const QString refusal = CommandLine::Refusal(argumentsOf(argc, argv));
    if (!refusal.isEmpty()) {
        print(stderr, refusal);
        return CommandLine::kRefusedExitCode;
    }
    QApplication::setApplicationName(QStringLiteral("Tolvane"));
    // Without a desktop session the icon theme is the bare "hicolor", which has almost no file
    // type icons; the favorites then look them up in Adwaita when it is installed.
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    QApplication::setQuitOnLastWindowClosed(false);
    // A signal is read by the first event loop that runs: a start-up message's, or the
    // program's own, which it ends.
    TerminationSignals termination;
    bool terminated = false;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &app, [&terminated] {
        terminated = true;
        QCoreApplication::quit();
    });

    SingleInstanceLock lock(QStringLiteral("tolvane"));
    if (!lock.tryAcquire()) {
        tellAlreadyRunning();
        return 0;
    }

    const AppPaths paths = AppPaths::resolve(AppPaths::Environment::current());
    prepareDataFolder(paths);
    // Two bars may share a data folder without sharing a runtime folder (a home shared by two
    // machines): the folder itself is locked too, or each would write over the other's notes.
    SingleInstanceLock dataLock(QStringLiteral("tolvane"), paths.dataDir);
    if (!dataLock.tryAcquire()) {
        tellAlreadyRunning();
        return 0;
    }
    paths.removeStaleCopies();
    LinuxPlatform platform(paths.autostartDir());
    SettingsStore settings;
    SkinState skin;
    AppContext context { paths.appDir, paths.dataDir, &settings, &skin, platform.services(),
        QLocale::system() };
    frmTolvane bar(context);
    bar.Start();
    bar.show();
    QTimer::singleShot(kSettleMs, [] { StartupPages::Release(); });
    return terminated ? 0 : app.exec();
}
