#include "ShellOpen.h"

#include "common/DesktopEntry.h"
#include "platform/Platform.h"

#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace {

bool looksLikeAddress(const QString& item)
{
    static const QStringList prefixes
        = { QStringLiteral("www."), QStringLiteral("mailto:"), QStringLiteral("ftp.") };
    for (const QString& prefix : prefixes)
        if (item.startsWith(prefix, Qt::CaseInsensitive))
            return true;
    const QUrl url(item);
    return url.isValid() && url.scheme().size() > 1 && item.contains(QLatin1String("://"));
}

// A program named without a folder is looked up on PATH; a Windows-style ".exe" is dropped.
QString programOnPath(const Launcher& launcher, const QString& item)
{
    QString name = item;
    if (name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        name.chop(4);
    return launcher.findProgram(name);
}

// A desktop launcher starts what it describes rather than being opened as a text.
int openLauncher(Launcher& launcher, const QString& path, const QStringList& arguments)
{
    const DesktopEntry entry = DesktopEntry::read(path);
    if (entry.type == QLatin1String("Link") && !entry.url.isEmpty())
        return launcher.openTarget(entry.url) ? ShellResult::kSuccess : ShellResult::kNoAssociation;
    QStringList command = entry.command();
    if (command.isEmpty())
        return ShellResult::kNoAssociation;
    QString program = command.takeFirst();
    if (!QFileInfo(program).isAbsolute())
        program = launcher.findProgram(program);
    if (program.isEmpty())
        return ShellResult::kFileNotFound;
    return launcher.startProgram(program, command + arguments) ? ShellResult::kSuccess
                                                               : ShellResult::kAccessDenied;
}

int openExisting(Launcher& launcher, const QFileInfo& file, const QStringList& arguments)
{
    if (!file.isReadable())
        return ShellResult::kAccessDenied;
    if (DesktopEntry::isLauncherFile(file.filePath()) && file.isFile())
        return openLauncher(launcher, file.absoluteFilePath(), arguments);
    if (launcher.isProgram(file.absoluteFilePath()))
        return launcher.startProgram(file.absoluteFilePath(), arguments)
            ? ShellResult::kSuccess
            : ShellResult::kAccessDenied;
    return launcher.openTarget(file.absoluteFilePath()) ? ShellResult::kSuccess
                                                        : ShellResult::kNoAssociation;
}

int open(Launcher& launcher, const QString& item, const QString& parameters)
{
    const QStringList arguments = QProcess::splitCommand(parameters);
    if (item.trimmed().isEmpty())
        return ShellResult::kFileNotFound;
    if (looksLikeAddress(item))
        return launcher.openTarget(item) ? ShellResult::kSuccess : ShellResult::kNoAssociation;
    const QFileInfo file(item);
    if (file.isAbsolute() || item.contains(QLatin1Char('/'))) {
        if (file.exists())
            return openExisting(launcher, file, arguments);
        return QFileInfo::exists(file.absolutePath()) ? ShellResult::kFileNotFound
                                                      : ShellResult::kPathNotFound;
    }
    const QString program = programOnPath(launcher, item);
    if (!program.isEmpty())
        return launcher.startProgram(program, arguments) ? ShellResult::kSuccess
                                                         : ShellResult::kAccessDenied;
    return ShellResult::kFileNotFound;
}

} // namespace

QString ShellResult::Message(int code)
{
    switch (code) {
    case 2:
        return QStringLiteral("Fichier non trouv\u00e9 ");
    case 3:
        return QStringLiteral("R\u00e9pertoire non trouv\u00e9 ");
    case 5:
        return QStringLiteral("Acc\u00e8s Refus\u00e9 ");
    case 8:
        return QStringLiteral("Pas assez de m\u00e9moire");
    case 26:
        return QStringLiteral("SE_ERR_SHARE");
    case 27:
        return QStringLiteral("SE_ERR_ASSOCINCOMPLETE");
    case 28:
        return QStringLiteral("SE_ERR_DDETIMEOUT");
    case 29:
        return QStringLiteral("SE_ERR_DDEFAIL");
    case 30:
        return QStringLiteral("SE_ERR_DDEBUSY");
    case 31:
        return QStringLiteral("SE_ERR_NOASSOC");
    case 32:
        return QStringLiteral("DLL non trouv\u00e9e");
    default:
        return {};
    }
}

void ShellResult::Report(const Platform& platform, int code, const QString& item)
{
    const QString message = Message(code);
    if (!message.isEmpty() && platform.dialogs)
        platform.dialogs->message(
            Dialogs::Icon::Critical, QStringLiteral("Tolvane"), message + QLatin1Char('\n') + item);
}

int ShellOpen(const Platform& platform, const QString& item, const QString& parameters)
{
    const int result = platform.launcher ? open(*platform.launcher, item, parameters)
                                         : ShellResult::kNoAssociation;
    ShellResult::Report(platform, result, item);
    return result;
}
