#include "SingleInstanceLock.h"

#include <QDir>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

static QString lockFolder(const QString& folder)
{
    if (!folder.isEmpty())
        return folder;
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(QString::fromLocal8Bit(runtime)).exists())
        return QString::fromLocal8Bit(runtime);
    return QDir::tempPath();
}

SingleInstanceLock::SingleInstanceLock(const QString& name, const QString& folder)
    : m_path(lockFolder(folder) + QLatin1Char('/') + name + QStringLiteral("-")
        + QString::number(getuid()) + QStringLiteral(".lock"))
{
}

SingleInstanceLock::~SingleInstanceLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool SingleInstanceLock::tryAcquire()
{
    if (m_fd >= 0)
        return true;
    const QByteArray path = QFile::encodeName(m_path);
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return true; // no place for a lock: better to run than to refuse to start
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}
