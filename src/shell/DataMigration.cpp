#include "DataMigration.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>

namespace {

const QString kStagingSuffix = QStringLiteral(".moving");

// Never replaces an existing target, even one that appeared a moment ago.
bool systemRename(const QString& from, const QString& to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE)
        == 0)
        return true;
    // File systems without the no-replace flag: the caller has checked the target is absent.
    return errno == EINVAL && !QFileInfo::exists(to)
        && std::rename(source.constData(), target.constData()) == 0;
}

bool copyFolder(const QString& from, const QString& to)
{
    if (!QDir().mkpath(to))
        return false;
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        const QString target = to + QLatin1Char('/') + entry.fileName();
        const bool ok = entry.isDir() && !entry.isSymLink() ? copyFolder(entry.filePath(), target)
                                                            : QFile::copy(entry.filePath(), target);
        if (!ok)
            return false;
    }
    return true;
}

bool removeEntry(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir() && !info.isSymLink())
        return QDir(path).removeRecursively();
    return QFile::remove(path);
}

// Copies under a temporary name beside the target, then renames it into place: the target is
// either absent or whole, never half written.
bool copyInto(const QString& from, const QString& to, const DataMigration::RenameFunction& rename)
{
    const QString staging = to + kStagingSuffix;
    removeEntry(staging);
    const bool copied
        = QFileInfo(from).isDir() ? copyFolder(from, staging) : QFile::copy(from, staging);
    if (copied && !QFileInfo::exists(to) && rename(staging, to))
        return true;
    removeEntry(staging);
    return false;
}

} // namespace

namespace DataMigration {

QStringList DataFileNames()
{
    return {
        QStringLiteral("tolvane_EmailAccounts.dat"),
        QStringLiteral("tolvane_FavInternet.dat"),
        QStringLiteral("tolvane_FavWindows.dat"),
        QStringLiteral("tolvane_pensebete.dat"),
        QStringLiteral("pensebete"),
        QStringLiteral("tolvane_Passwords.dat"),
    };
}

Result MoveOldDataFiles(const QString& fromDir, const QString& toDir, const RenameFunction& rename)
{
    Result result;
    if (QFileInfo(fromDir).canonicalFilePath() == QFileInfo(toDir).canonicalFilePath())
        return result;
    const RenameFunction tryRename = rename ? rename : RenameFunction(systemRename);
    // Within the data folder the staging copy is always put in place by a plain rename.
    const RenameFunction localRename = systemRename;
    for (const QString& name : DataFileNames()) {
        const QString from = fromDir + QLatin1Char('/') + name;
        const QString to = toDir + QLatin1Char('/') + name;
        if (!QFileInfo::exists(from))
            continue;
        if (QFileInfo::exists(to)) {
            result.keptBeside.append(name);
            continue;
        }
        bool moved = tryRename(from, to);
        if (!moved && copyInto(from, to, localRename)) {
            // The copy is in place; an old file that cannot be removed only stays beside.
            removeEntry(from);
            moved = true;
        }
        (moved ? result.moved : result.failed).append(name);
    }
    return result;
}

} // namespace DataMigration
