#pragma once

#include "ProcFile.h"
#include "platform/ProcessorCounters.h"

#include <functional>

// Idle time of each processor from the cpuN lines of <root>/proc/stat (idle + iowait, in clock
// ticks), converted to 100-ns units; the sample time comes from the monotonic clock unless the
// caller gives another one.
class ProcStatCounters : public ProcessorCounters {
public:
    using TimeSource = std::function<qint64()>; // 100-ns units

    explicit ProcStatCounters(
        const QString& root = {}, TimeSource now = {}, long ticksPerSecond = 0);
    int processorCount() override;
    bool readSample(ProcessorSample& sample) override;

    static qint64 monotonicTime();

private:
    ProcFile m_stat;
    TimeSource m_now;
    long m_ticksPerSecond;
    QByteArray m_text;
};
