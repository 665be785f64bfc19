#include "DataFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <sys/stat.h>

namespace DataFolder {

bool makePrivatePath(const QString& path)
{
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const QStringList parts = absolute.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString current;
    for (const QString& part : parts) {
        current += QLatin1Char('/') + part;
        if (QFileInfo(current).isDir())
            continue;
        const QByteArray native = QFile::encodeName(current);
        if (::mkdir(native.constData(), 0700) != 0 && !QFileInfo(current).isDir())
            return false;
        ::chmod(native.constData(), 0700); // the umask may have taken the owner's bits too
    }
    return QFileInfo(absolute).isDir();
}

int removeStaleCopies(const QString& folder, const QStringList& namePatterns)
{
    static const QRegularExpression suffix(QStringLiteral("\\.[A-Za-z0-9]{6}$"));
    QStringList copyPatterns;
    for (const QString& pattern : namePatterns)
        copyPatterns << pattern + QStringLiteral(".??????");
    const QDir dir(folder);
    int removed = 0;
    for (const QFileInfo& entry : dir.entryInfoList(copyPatterns, QDir::Files | QDir::Hidden)) {
        if (entry.isSymLink() || !suffix.match(entry.fileName()).hasMatch())
            continue;
        const QString original = entry.fileName().chopped(7);
        if (!QDir::match(namePatterns, original))
            continue;
        if (QFile::remove(entry.absoluteFilePath()))
            ++removed;
    }
    return removed;
}

} // namespace DataFolder
