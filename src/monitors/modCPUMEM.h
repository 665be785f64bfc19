#pragma once

#include <QList>
#include <QtGlobal>

struct MemoryStatus;

// The arithmetic of the system module's gauges.
namespace modCPUMEM {

// Memory figures in kilobytes, as the gauges use them.
struct MemoryFigures {
    qint64 ramTotal = 0;
    qint64 ramFree = 0;
    qint64 virtualTotal = 0;
    qint64 virtualFree = 0;
};
MemoryFigures ToKilobytes(const MemoryStatus& status);

// floor(100 - free × 100 / total): the share in use shown by the labels; 0 for a zero total.
int FlooredPercent(qint64 total, qint64 free);
// The same rounded halves to even, as the virtual-memory bar uses it; 0 for a zero total.
int RoundedPercent(qint64 total, qint64 free);
// The RAM bar moves in steps of 5 %: 0 to 20.
inline int RamStep(int percent)
{
    return percent >= 0 ? percent / 5 : -((-percent + 4) / 5);
}

// The filled length of a disk box of boxUnits, and the percentage read from that length.
struct DiskFill {
    int usedUnits = 0;
    int percent = 0;
};
DiskFill DiskUsage(qint64 total, qint64 free, int boxUnits = 70);

// The processor-load history: entry 0 is the newest; up to 200 entries are drawn.
class CpuHistory {
public:
    static constexpr int kMaxCount = 200;

    // Adds a load (its absolute value); returns the highest index before the add.
    int push(int load);
    int count() const { return m_count; }
    int value(int index) const { return m_values.value(index); }
    // The highest index of the last push, that is the count before it.
    int highestIndex() const { return m_values.size() - 1; }
    // Sample index and the two before it are all at full load, and it is not at the old end.
    bool isFullLoadRun(int index) const;

private:
    QList<int> m_values;
    int m_count = 0;
};

} // namespace modCPUMEM
