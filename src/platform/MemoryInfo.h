#pragma once

#include <QtGlobal>

// Physical memory and the swap space behind it, in bytes.
struct MemoryStatus {
    qint64 totalPhysical = 0;
    qint64 availablePhysical = 0;
    qint64 totalVirtual = 0;
    qint64 availableVirtual = 0;
};

class MemoryInfo {
public:
    virtual ~MemoryInfo() = default;
    // All zero when the figures cannot be read.
    virtual MemoryStatus read() = 0;
};
