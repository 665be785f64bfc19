// The kernel files the monitors read (/proc/net/dev, /proc/meminfo, /proc/stat and an
// interface's /sys/class/net attributes), with any content: no overflow, no table sized by a
// number read from the file, the per-tick byte totals equal to the rows' sums, and the processor
// load samples twice without failing. Also /proc/self/smaps as read once the bar is up: only
// non-empty ranges come out of it.
#include "FuzzSupport.h"
#include "monitors/cCPULoad.h"
#include "platform/linux/ProcMemInfo.h"
#include "platform/linux/ProcNetInterfaces.h"
#include "platform/linux/ProcStatCounters.h"
#include "platform/linux/StartupPages.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString root = Fuzz::folder().path();
    static const bool made = QDir().mkpath(root + QStringLiteral("/proc/net"))
        && QDir().mkpath(root + QStringLiteral("/sys/class/net/eth0"));
    (void)made;
    const QList<QByteArray> part = Fuzz::parts(Fuzz::bytes(data, size), 6);
    Fuzz::writeFile(root + QStringLiteral("/proc/net/dev"), part[0]);
    Fuzz::writeFile(root + QStringLiteral("/proc/meminfo"), part[1]);
    Fuzz::writeFile(root + QStringLiteral("/proc/stat"), part[2]);
    Fuzz::writeFile(root + QStringLiteral("/sys/class/net/eth0/speed"), part[3]);
    Fuzz::writeFile(root + QStringLiteral("/sys/class/net/eth0/address"), part[4]);

    ProcNetInterfaces interfaces(root);
    qint64 received = 0;
    qint64 sent = 0;
    for (const InterfaceRow& row : interfaces.read()) {
        FUZZ_CHECK(row.inOctets >= 0 && row.outOctets >= 0 && row.speed >= 0);
        received = saturatingAdd(received, row.inOctets);
        sent = saturatingAdd(sent, row.outOctets);
    }
    // The per-tick totals read the same lines without building rows: they must agree.
    qint64 tickReceived = -1;
    qint64 tickSent = -1;
    interfaces.readTotals(tickReceived, tickSent);
    FUZZ_CHECK(tickReceived == received && tickSent == sent);
    const MemoryStatus memory = ProcMemInfo(root).read();
    FUZZ_CHECK(memory.totalPhysical >= 0 && memory.availablePhysical >= 0);

    qint64 now = 0;
    ProcStatCounters counters(
        root, [&now] { return now += 10'000'000; }, 100);
    cCPULoad load(&counters);
    try {
        const int count = load.GetCPUCount();
        load.CollectCPUData();
        load.CollectCPUData();
        load.GetMachineUsage();
        if (count > 0)
            load.GetCPUUsage(count);
    } catch (const CPULoadError&) {
    }
    for (const StartupPages::Range& range : StartupPages::ReleasableRanges(part[5]))
        FUZZ_CHECK(range.end > range.start);
    return 0;
}
