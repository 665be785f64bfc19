#include "AppPaths.h"

#include "common/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

#ifndef TOLVANE_INSTALLED_DATA
#define TOLVANE_INSTALLED_DATA "../share/tolvane"
#endif

namespace {

constexpr QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
    | QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;

// A base folder variable counts only when it holds an absolute path; anything else is ignored
// as if unset.
QString baseFolder(const QString& variable, const QString& home, const QString& fallback)
{
    if (!variable.isEmpty() && QDir::isAbsolutePath(variable))
        return QDir::cleanPath(variable);
    return QDir::cleanPath(home + QLatin1Char('/') + fallback);
}

QString programFilesDir(const AppPaths::Environment& env)
{
    if (QFileInfo(env.programDir + QStringLiteral("/skins")).isDir())
        return env.programDir;
    const QString installed
        = QDir::cleanPath(env.programDir + QLatin1Char('/') + env.installedDataRelative);
    if (!env.installedDataRelative.isEmpty() && QFileInfo(installed).isDir())
        return installed;
    return env.programDir;
}

} // namespace

AppPaths::Environment AppPaths::Environment::current()
{
    Environment env;
    env.programDir = QCoreApplication::applicationDirPath();
    env.home = QDir::homePath();
    env.xdgDataHome = qEnvironmentVariable("XDG_DATA_HOME");
    env.xdgConfigHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    env.installedDataRelative = QStringLiteral(TOLVANE_INSTALLED_DATA);
    return env;
}

AppPaths AppPaths::resolve(const Environment& env)
{
    AppPaths paths;
    paths.appDir = programFilesDir(env);
    paths.dataDir = baseFolder(env.xdgDataHome, env.home, QStringLiteral(".local/share"))
        + QStringLiteral("/tolvane");
    paths.configDir = baseFolder(env.xdgConfigHome, env.home, QStringLiteral(".config"));
    return paths;
}

bool AppPaths::makePrivateFolder(const QString& path)
{
    // Parents the user's session has not made yet get 0700 too, as the base folders should.
    return !path.isEmpty() && DataFolder::makePrivatePath(path)
        && QFile::setPermissions(path, kOwnerOnly);
}

AppPaths::FolderState AppPaths::prepareDataFolder(const QString& path)
{
    const bool made = makePrivateFolder(path);
    if (!QFileInfo(path).isDir())
        return FolderState::NotCreated;
    // access() also sees a read-only mount, which the folder's mode does not show.
    if (::access(QFile::encodeName(path).constData(), W_OK | X_OK) != 0)
        return FolderState::ReadOnly;
    return made ? FolderState::Ready : FolderState::NotPrivate;
}

QString AppPaths::dataFolderWarning(FolderState state, const QString& path)
{
    switch (state) {
    case FolderState::Ready:
        break;
    case FolderState::NotCreated:
        return QStringLiteral("Le dossier des donn\u00e9es \u00ab %1 \u00bb n'a pas pu \u00eatre "
                              "cr\u00e9\u00e9 : vos modifications ne pourront pas \u00eatre "
                              "enregistr\u00e9es.")
            .arg(path);
    case FolderState::ReadOnly:
        return QStringLiteral("Le dossier des donn\u00e9es \u00ab %1 \u00bb est en lecture seule : "
                              "vos modifications ne pourront pas \u00eatre enregistr\u00e9es.")
            .arg(path);
    case FolderState::NotPrivate:
        return QStringLiteral(
            "Les droits du dossier des donn\u00e9es \u00ab %1 \u00bb n'ont pas pu "
            "\u00eatre r\u00e9serv\u00e9s \u00e0 votre seul compte.")
            .arg(path);
    }
    return {};
}

int AppPaths::removeStaleCopies() const
{
    return DataFolder::removeStaleCopies(dataDir, { QStringLiteral("tolvane_*.dat") })
        + DataFolder::removeStaleCopies(
            dataDir + QStringLiteral("/pensebete"), { QStringLiteral("*.fic") })
        + DataFolder::removeStaleCopies(autostartDir(), { QStringLiteral("tolvane.desktop") });
}
