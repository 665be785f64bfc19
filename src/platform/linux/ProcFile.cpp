#include "ProcFile.h"

#include <QFile>

#include <limits>

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
