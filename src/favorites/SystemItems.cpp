#include "SystemItems.h"

#include "ShellOpen.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFile>

namespace SystemItems {

const QList<Row>& rows()
{
    static const QList<Row> table = {
        { QStringLiteral("Poste de Travail"), 1 },
        { QStringLiteral("Mes Documents"), 2 },
        { QStringLiteral("Favoris R\u00e9seau"), 3 },
        { QStringLiteral("Corbeille"), 4 },
        { QStringLiteral("Panneau de Config."), 5 },
        { QStringLiteral("Imprimantes"), 6 },
        { QStringLiteral("Planif. de T\u00e2ches"), 7 },
        { QStringLiteral("DOS"), 8 },
        { QStringLiteral("Config. Syst\u00e8me"), 9 },
        { QStringLiteral("NotePad"), 10 },
        { QStringLiteral("Base de Registre"), 12 },
        { QStringLiteral("Volume"), 13 },
        { QStringLiteral("Enregistreur Audio"), 14 },
        { QStringLiteral("Gestion des t\u00e2ches"), 15 },
        { QStringLiteral("Mise \u00e0 jour Windows"), 16 },
    };
    return table;
}

} // namespace SystemItems

namespace {

const QStringList kTerminals
    = { QStringLiteral("x-terminal-emulator"), QStringLiteral("gnome-terminal"),
          QStringLiteral("konsole"), QStringLiteral("xfce4-terminal"), QStringLiteral("xterm") };

} // namespace

SystemItemOpener::SystemItemOpener(
    const Platform& platform, const QString& documentsDir, const QString& configDir)
    : m_platform(platform)
    , m_documentsDir(documentsDir)
    , m_configDir(configDir)
{
}

QList<SystemItemOpener::Candidate> SystemItemOpener::candidates(int row) const
{
    const auto programs = [](const QStringList& names) {
        QList<Candidate> list;
        for (const QString& name : names)
            list.append({ Way::Program, name, {} });
        return list;
    };
    const auto location = [](const QString& where) {
        return Candidate { Way::Location, where, {} };
    };
    switch (row) {
    case 1:
        return { location(QStringLiteral("computer:///")), location(QStringLiteral("/")) };
    case 2:
        return { location(m_documentsDir), location(QDir::homePath()) };
    case 3:
        return { location(QStringLiteral("network:///")) };
    case 4:
        return { location(QStringLiteral("trash:///")) };
    case 5:
        return programs({ QStringLiteral("gnome-control-center"), QStringLiteral("systemsettings"),
            QStringLiteral("xfce4-settings-manager"), QStringLiteral("lxqt-config") });
    case 6:
        return programs({ QStringLiteral("system-config-printer") })
            << location(QStringLiteral("http://localhost:631"));
    case 7:
        return programs({ QStringLiteral("kcron"), QStringLiteral("gnome-schedule") })
            << Candidate { Way::InTerminal, QStringLiteral("systemctl"),
                   { QStringLiteral("list-timers") } };
    case 8:
        return programs(kTerminals);
    case 9:
        return programs({ QStringLiteral("gnome-session-properties") })
            << Candidate { Way::Folder, m_configDir + QStringLiteral("/autostart"), {} };
    case 10:
        return programs({ QStringLiteral("gnome-text-editor"), QStringLiteral("gedit"),
                   QStringLiteral("kate"), QStringLiteral("mousepad"), QStringLiteral("xed") })
            << Candidate { Way::NewTextFile, QStringLiteral("xdg-open"), {} };
    case 11:
        return programs({ QStringLiteral("dconf-editor"), QStringLiteral("kconfigeditor") });
    case 12:
        return programs({ QStringLiteral("pavucontrol"), QStringLiteral("pavucontrol-qt") })
            << Candidate { Way::InTerminal, QStringLiteral("alsamixer"), {} };
    case 13:
        return programs({ QStringLiteral("gnome-sound-recorder"), QStringLiteral("audacity") });
    case 14:
        return programs({ QStringLiteral("gnome-system-monitor"),
                   QStringLiteral("plasma-systemmonitor"), QStringLiteral("xfce4-taskmanager") })
            << Candidate { Way::InTerminal, QStringLiteral("htop"), {} };
    case 15:
        return programs({ QStringLiteral("update-manager"), QStringLiteral("gnome-software"),
            QStringLiteral("plasma-discover") });
    default:
        return {};
    }
}

QString SystemItemOpener::terminal() const
{
    for (const QString& name : kTerminals) {
        const QString path = m_platform.launcher->findProgram(name);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

bool SystemItemOpener::available(const Candidate& candidate) const
{
    const Launcher& launcher = *m_platform.launcher;
    switch (candidate.way) {
    case Way::Location:
        // An address is always handed to the desktop; a place only when it can be shown.
        return candidate.name.startsWith(QLatin1String("http"))
            || launcher.canBrowse(candidate.name);
    case Way::Folder:
        return QDir().mkpath(candidate.name);
    case Way::Program:
    case Way::NewTextFile:
        return !launcher.findProgram(candidate.name).isEmpty();
    case Way::InTerminal:
        return !launcher.findProgram(candidate.name).isEmpty() && !terminal().isEmpty();
    }
    return false;
}

int SystemItemOpener::Open(int row)
{
    const QList<Candidate> list = candidates(row);
    if (list.isEmpty() || !m_platform.launcher)
        return 0;
    QStringList lookedFor;
    for (const Candidate& candidate : list) {
        if (available(candidate))
            return start(candidate);
        lookedFor.append(candidate.name);
    }
    ShellResult::Report(
        m_platform, ShellResult::kFileNotFound, lookedFor.join(QStringLiteral(", ")));
    return ShellResult::kFileNotFound;
}

int SystemItemOpener::start(const Candidate& candidate)
{
    Launcher& launcher = *m_platform.launcher;
    bool started = false;
    QString item = candidate.name;
    switch (candidate.way) {
    case Way::Location:
    case Way::Folder:
        started = launcher.openTarget(item);
        break;
    case Way::Program:
        item = launcher.findProgram(candidate.name);
        started = launcher.startProgram(item, candidate.arguments);
        break;
    case Way::InTerminal:
        return startInTerminal(candidate);
    case Way::NewTextFile:
        item = newTextFile();
        started = !item.isEmpty() && launcher.openTarget(item);
        break;
    }
    const int result = started ? ShellResult::kSuccess : ShellResult::kAccessDenied;
    ShellResult::Report(m_platform, result, item);
    return result;
}

int SystemItemOpener::startInTerminal(const Candidate& candidate)
{
    Launcher& launcher = *m_platform.launcher;
    const QString program = terminal();
    // gnome-terminal takes the command after "--"; the others after "-e".
    const QString separator = program.endsWith(QLatin1String("/gnome-terminal"))
        ? QStringLiteral("--")
        : QStringLiteral("-e");
    const QStringList command
        = QStringList { launcher.findProgram(candidate.name) } + candidate.arguments;
    const int result = launcher.startProgram(program, QStringList { separator } + command)
        ? ShellResult::kSuccess
        : ShellResult::kAccessDenied;
    ShellResult::Report(m_platform, result, program);
    return result;
}

// An empty text file in the documents folder, under a name not yet taken.
QString SystemItemOpener::newTextFile() const
{
    const QString folder = QDir(m_documentsDir).exists() ? m_documentsDir : QDir::homePath();
    for (int number = 1; number < 1000; ++number) {
        const QString name = number == 1 ? QStringLiteral("Nouveau texte.txt")
                                         : QStringLiteral("Nouveau texte (%1).txt").arg(number);
        const QString path = QDir(folder).filePath(name);
        QFile file(path);
        if (!file.exists() && file.open(QIODevice::NewOnly))
            return path;
    }
    return {};
}
