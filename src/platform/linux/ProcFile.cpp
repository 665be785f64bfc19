#include "ProcFile.h"

#include <QFile>

#include <limits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ProcFile::~ProcFile()
{
    close();
}

void ProcFile::close() const
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool ProcFile::read(QByteArray& text) const
{
    text.resize(0);
    // A file removed since the last read is not read through the old handle.
    struct stat status { };
    if (m_fd >= 0 && (::fstat(m_fd, &status) != 0 || status.st_nlink == 0))
        close();
    if (m_fd < 0)
        m_fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0)
        return false;
    qsizetype used = 0;
    for (;;) {
        if (text.size() - used < 2048)
            text.resize(used + 8192);
        const ssize_t n = ::pread(m_fd, text.data() + used, size_t(text.size() - used), used);
        if (n < 0) {
            // Opened again at the next read, in case the file was replaced.
            close();
            text.resize(0);
            return false;
        }
        if (n == 0)
            break;
        used += n;
    }
    text.resize(used);
    return true;
}

QByteArray ProcFile::readLine(const QString& path)
{
    QByteArray text;
    ProcFile(path).read(text);
    while (text.endsWith('\n'))
        text.chop(1);
    return text;
}

const char* ProcFile::readCount(const char* p, const char* end, qint64& value)
{
    constexpr qint64 kMax = std::numeric_limits<qint64>::max();
    value = 0;
    while (p < end && *p >= '0' && *p <= '9') {
        const int digit = *p++ - '0';
        value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
    }
    return p;
}

qint64 ProcFile::scaleCount(qint64 a, qint64 b, qint64 c)
{
    const __int128 result = __int128(std::max<qint64>(a, 0)) * std::max<qint64>(b, 0) / c;
    return result > std::numeric_limits<qint64>::max() ? std::numeric_limits<qint64>::max()
                                                       : qint64(result);
}

qint64 ProcFile::addCounts(qint64 a, qint64 b)
{
    qint64 sum = 0;
    return __builtin_add_overflow(a, b, &sum) ? std::numeric_limits<qint64>::max() : sum;
}
