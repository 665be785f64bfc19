#include "ProcMemInfo.h"

#include <cstring>

namespace {

// The value of "key:" in kB, as bytes; -1 when the key is absent.
qint64 kilobytesField(const QByteArray& text, const char* key)
{
    const qsizetype keyLength = qsizetype(std::strlen(key));
    qsizetype at = 0;
    while ((at = text.indexOf(key, at)) >= 0) {
        if ((at == 0 || text[at - 1] == '\n') && text.size() > at + keyLength
            && text[at + keyLength] == ':')
            break;
        at += keyLength;
    }
    if (at < 0)
        return -1;
    const char* p = text.constData() + at + keyLength + 1;
    const char* end = text.constData() + text.size();
    while (p < end && *p == ' ')
        ++p;
    qint64 value = 0;
    ProcFile::readCount(p, end, value);
    return ProcFile::scaleCount(value, 1024, 1);
}

} // namespace

ProcMemInfo::ProcMemInfo(const QString& root)
    : m_meminfo(root + QStringLiteral("/proc/meminfo"))
{
}

MemoryStatus ProcMemInfo::read()
{
    MemoryStatus status;
    if (!m_meminfo.read(m_text))
        return status;
    status.totalPhysical = std::max<qint64>(0, kilobytesField(m_text, "MemTotal"));
    qint64 available = kilobytesField(m_text, "MemAvailable");
    if (available < 0) // kernels before 3.14
        available = std::max<qint64>(0, kilobytesField(m_text, "MemFree"));
    status.availablePhysical = available;
    status.totalVirtual = std::max<qint64>(0, kilobytesField(m_text, "SwapTotal"));
    status.availableVirtual = std::max<qint64>(0, kilobytesField(m_text, "SwapFree"));
    return status;
}
