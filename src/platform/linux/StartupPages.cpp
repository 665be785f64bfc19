#include "StartupPages.h"

#include "ProcFile.h"

#include <QList>

#include <sys/mman.h>

#ifndef MADV_PAGEOUT
#define MADV_PAGEOUT 21
#endif

namespace StartupPages {

// A maps line: "start-end perms offset dev inode path"; only private mappings of a file (a path
// that starts with "/") without write permission qualify: shared memory such as the window's
// picture shared with the X server stays.
QList<Range> ReadOnlyFileRanges(const QByteArray& maps)
{
    QList<Range> ranges;
    for (const QByteArray& line : maps.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        const QByteArray& permissions = fields.value(1);
        if (fields.size() < 6 || !fields[5].startsWith('/') || permissions.size() < 4
            || permissions[1] != '-' || permissions[3] != 'p')
            continue;
        const QList<QByteArray> bounds = fields[0].split('-');
        bool startOk = false;
        bool endOk = false;
        const Range range { quintptr(bounds.value(0).toULongLong(&startOk, 16)),
            quintptr(bounds.value(1).toULongLong(&endOk, 16)) };
        if (startOk && endOk && range.end > range.start)
            ranges.append(range);
    }
    return ranges;
}

bool Release()
{
    QByteArray maps;
    if (!ProcFile(QStringLiteral("/proc/self/maps")).read(maps))
        return false;
    bool released = false;
    for (const Range& range : ReadOnlyFileRanges(maps))
        released
            |= madvise(reinterpret_cast<void*>(range.start), range.end - range.start, MADV_PAGEOUT)
            == 0;
    return released;
}

} // namespace StartupPages
