#include "StartupPages.h"

#include "ProcFile.h"

#include <QList>

#include <malloc.h>
#include <sys/mman.h>

namespace StartupPages {

namespace {

// A mapping's header line: "start-end perms offset dev inode path". Only private mappings of a
// file (a path that starts with "/") without write permission qualify: shared memory such as the
// window's picture shared with the X server stays.
bool readHeader(const QList<QByteArray>& fields, Range& range)
{
    const QByteArray& permissions = fields.value(1);
    if (fields.size() < 6 || !fields[5].startsWith('/') || permissions.size() < 4
        || permissions[1] != '-' || permissions[3] != 'p')
        return false;
    const QList<QByteArray> bounds = fields[0].split('-');
    bool startOk = false;
    bool endOk = false;
    range = { quintptr(bounds.value(0).toULongLong(&startOk, 16)),
        quintptr(bounds.value(1).toULongLong(&endOk, 16)) };
    return bounds.size() == 2 && startOk && endOk && range.end > range.start;
}

// "Anonymous: 4 kB" or "Swap: 4 kB" with a count other than 0: the mapping holds private pages.
bool holdsPrivatePages(const QList<QByteArray>& fields)
{
    const QByteArray& key = fields.value(0);
    return (key == "Anonymous:" || key == "Swap:") && fields.value(1) != "0";
}

} // namespace

QList<Range> ReleasableRanges(const QByteArray& smaps)
{
    QList<Range> ranges;
    Range current;
    bool releasable = false;
    for (const QByteArray& line : smaps.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (!fields.value(0).contains('-')) {
            releasable = releasable && !holdsPrivatePages(fields);
            continue;
        }
        if (releasable)
            ranges.append(current);
        releasable = readHeader(fields, current);
    }
    if (releasable)
        ranges.append(current);
    return ranges;
}

bool Release()
{
    QList<Range> ranges;
    {
        QByteArray smaps;
        if (!ProcFile(QStringLiteral("/proc/self/smaps")).read(smaps))
            return false;
        ranges = ReleasableRanges(smaps);
    }
    // The heap's free pages go back too: what a closed window freed is otherwise kept for reuse,
    // and so is the reading of smaps, freed by now.
    bool released = malloc_trim(0) == 1;
    for (const Range& range : ranges)
        released
            |= madvise(reinterpret_cast<void*>(range.start), range.end - range.start, MADV_DONTNEED)
            == 0;
    return released;
}

} // namespace StartupPages
