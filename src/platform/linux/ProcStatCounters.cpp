#include "ProcStatCounters.h"

#include <ctime>
#include <limits>
#include <unistd.h>

namespace {

constexpr qint64 kUnitsPerSecond = 10'000'000;

const char* skipBlanks(const char* p, const char* end)
{
    while (p < end && (*p == ' ' || *p == '\t'))
        ++p;
    return p;
}

const char* readNumber(const char* p, const char* end, qint64& value)
{
    return ProcFile::readCount(p, end, value);
}

// Above this a processor number is no processor the kernel can have.
constexpr qint64 kHighestProcessor = std::numeric_limits<int>::max() - 1;

// The cpuN lines of the stat text, with idle + iowait in clock ticks.
template <typename Visit> void forEachProcessorLine(const QByteArray& text, Visit visit)
{
    const char* p = text.constData();
    const char* end = p + text.size();
    while (p < end) {
        const char* lineEnd = static_cast<const char*>(memchr(p, '\n', end - p));
        if (!lineEnd)
            lineEnd = end;
        if (lineEnd - p > 3 && p[0] == 'c' && p[1] == 'p' && p[2] == 'u' && p[3] >= '0'
            && p[3] <= '9') {
            qint64 number = 0;
            const char* q = readNumber(p + 3, lineEnd, number);
            qint64 fields[5] = {};
            for (qint64& field : fields)
                q = readNumber(skipBlanks(q, lineEnd), lineEnd, field);
            if (number <= kHighestProcessor)
                visit(static_cast<int>(number), ProcFile::addCounts(fields[3], fields[4]));
        }
        p = lineEnd + 1;
    }
}

} // namespace

ProcStatCounters::ProcStatCounters(const QString& root, TimeSource now, long ticksPerSecond)
    : m_stat(root + QStringLiteral("/proc/stat"))
    , m_now(now ? std::move(now) : TimeSource(&ProcStatCounters::monotonicTime))
    , m_ticksPerSecond(ticksPerSecond > 0 ? ticksPerSecond : sysconf(_SC_CLK_TCK))
{
    if (m_ticksPerSecond <= 0)
        m_ticksPerSecond = 100;
}

qint64 ProcStatCounters::monotonicTime()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * kUnitsPerSecond + now.tv_nsec / 100;
}

int ProcStatCounters::processorCount()
{
    if (!m_stat.read(m_text))
        return 0;
    int count = 0;
    forEachProcessorLine(m_text, [&](int number, qint64) { count = std::max(count, number + 1); });
    return count;
}

bool ProcStatCounters::readSample(ProcessorSample& sample)
{
    sample.processors.clear();
    if (!m_stat.read(m_text))
        return false;
    sample.sampleTime = m_now();
    forEachProcessorLine(m_text, [&](int number, qint64 idleTicks) {
        sample.processors.append(
            { number, ProcFile::scaleCount(idleTicks, kUnitsPerSecond, m_ticksPerSecond) });
    });
    return true;
}
