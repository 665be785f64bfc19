#pragma once

#include "ProcFile.h"
#include "platform/MemoryInfo.h"

// Memory figures from <root>/proc/meminfo: MemTotal and MemAvailable for the physical memory,
// SwapTotal and SwapFree for the virtual memory.
class ProcMemInfo : public MemoryInfo {
public:
    explicit ProcMemInfo(const QString& root = {});
    MemoryStatus read() override;

private:
    ProcFile m_meminfo;
    QByteArray m_text;
};
