#include "MountedFixedDisks.h"

#include "ProcFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <sys/statvfs.h>

MountedFixedDisks::MountedFixedDisks(const QString& root, SpaceQuery query)
    : m_mounts(root + QStringLiteral("/proc/self/mounts"))
    , m_blockClass(root + QStringLiteral("/sys/class/block/"))
    , m_query(query ? std::move(query) : SpaceQuery(&MountedFixedDisks::statvfsSpace))
{
}

bool MountedFixedDisks::isFixedDisk(const QString& device, const QString& type)
{
    static const QSet<QString> virtualTypes = {
        QStringLiteral("tmpfs"),
        QStringLiteral("proc"),
        QStringLiteral("sysfs"),
        QStringLiteral("overlay"),
        QStringLiteral("squashfs"),
        QStringLiteral("devtmpfs"),
        QStringLiteral("ramfs"),
        QStringLiteral("iso9660"),
        QStringLiteral("udf"),
    };
    return device.startsWith(QLatin1String("/dev/"))
        && !device.startsWith(QLatin1String("/dev/loop"))
        && !device.startsWith(QLatin1String("/dev/sr")) && !virtualTypes.contains(type);
}

// The kernel writes blanks, tabs, line feeds and backslashes in the table as octal escapes.
QString MountedFixedDisks::decodeMountField(const QByteArray& field)
{
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok && code < 256) {
                out.append(char(code));
                i += 3;
                continue;
            }
        }
        out.append(c);
    }
    return QString::fromUtf8(out);
}

// A USB stick or a memory card says so in its disk's "removable" attribute; a partition's
// attributes sit in a folder inside its disk's.
bool MountedFixedDisks::isRemovable(const QString& device) const
{
    const QString name = QFileInfo(QFileInfo(device).canonicalFilePath()).fileName();
    const QString entry = m_blockClass + (name.isEmpty() ? QFileInfo(device).fileName() : name);
    const QString disk = QFileInfo::exists(entry + QStringLiteral("/partition"))
        ? QDir(entry + QStringLiteral("/..")).canonicalPath()
        : entry;
    QByteArray flag;
    return ProcFile(disk + QStringLiteral("/removable")).read(flag) && flag.trimmed() == "1";
}

QStringList MountedFixedDisks::list()
{
    QByteArray text;
    if (!ProcFile(m_mounts).read(text))
        return {};
    QStringList roots;
    QSet<QString> devices;
    for (const QByteArray& line : text.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 3)
            continue;
        const QString device = decodeMountField(fields[0]);
        const QString type = QString::fromLatin1(fields[2]);
        if (!isFixedDisk(device, type) || devices.contains(device) || isRemovable(device))
            continue;
        devices.insert(device);
        roots.append(decodeMountField(fields[1]));
    }
    return roots;
}

DiskSpace MountedFixedDisks::space(const QString& root)
{
    return m_query(root);
}

DiskSpace MountedFixedDisks::statvfsSpace(const QString& mountPoint)
{
    struct statvfs figures { };
    if (::statvfs(QFile::encodeName(mountPoint).constData(), &figures) != 0)
        return {};
    const qint64 unit = qint64(figures.f_frsize ? figures.f_frsize : figures.f_bsize);
    return { qint64(figures.f_blocks) * unit, qint64(figures.f_bfree) * unit };
}
