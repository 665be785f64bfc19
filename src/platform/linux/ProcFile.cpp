#include "ProcFile.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

bool ProcFile::read(QByteArray& text) const
{
    text.resize(0);
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    qsizetype used = 0;
    bool ok = true;
    for (;;) {
        if (text.size() - used < 2048)
            text.resize(used + 8192);
        const ssize_t n = ::read(fd, text.data() + used, text.size() - used);
        if (n < 0) {
            ok = false;
            break;
        }
        if (n == 0)
            break;
        used += n;
    }
    ::close(fd);
    text.resize(ok ? used : 0);
    return ok;
}

QByteArray ProcFile::readLine(const QString& path)
{
    QByteArray text;
    ProcFile(path).read(text);
    while (text.endsWith('\n'))
        text.chop(1);
    return text;
}
