#include "modCPUMEM.h"

#include "common/Numbers.h"
#include "platform/MemoryInfo.h"

#include <cmath>

namespace modCPUMEM {

MemoryFigures ToKilobytes(const MemoryStatus& status)
{
    auto kilobytes = [](qint64 bytes) { return Numbers::RoundHalfEven(bytes / 1024.0); };
    return { kilobytes(status.totalPhysical), kilobytes(status.availablePhysical),
        kilobytes(status.totalVirtual), kilobytes(status.availableVirtual) };
}

int FlooredPercent(qint64 total, qint64 free)
{
    if (total <= 0)
        return 0;
    return int(std::floor(100.0 - double(free * 100) / double(total)));
}

int RoundedPercent(qint64 total, qint64 free)
{
    if (total <= 0)
        return 0;
    return int(Numbers::RoundHalfEven(100.0 - double(free * 100) / double(total)));
}

DiskFill DiskUsage(qint64 total, qint64 free, int boxUnits)
{
    if (total <= 0)
        return {};
    const int used = int(Numbers::RoundHalfEven(double(total - free) * boxUnits / double(total)));
    return { used, int(Numbers::RoundHalfEven(used * 100.0 / boxUnits)) };
}

int CpuHistory::push(int load)
{
    const int highest = m_count;
    m_values.resize(m_count + 1);
    for (int i = m_count; i >= 1; --i)
        m_values[i] = m_values[i - 1];
    m_values[0] = std::abs(load);
    if (m_count < kMaxCount)
        ++m_count;
    return highest;
}

bool CpuHistory::isFullLoadRun(int index) const
{
    return index < highestIndex() - 3 && value(index) == 100 && value(index + 1) == 100
        && value(index + 2) == 100;
}

} // namespace modCPUMEM
