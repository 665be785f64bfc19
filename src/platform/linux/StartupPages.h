#pragma once

#include <QByteArray>

// Start-up runs a great deal of library code once (loading the skin, building every window,
// connecting to the display) and leaves those pages mapped for as long as the bar runs. Once the
// bar is up, the pages of the files it maps read-only are handed back to the kernel: they stay
// in the page cache, and the few the idle bar uses come back at their next use.
namespace StartupPages {

// The read-only file mappings of a /proc/<pid>/maps text, as address ranges.
struct Range {
    quintptr start = 0;
    quintptr end = 0;
};
QList<Range> ReadOnlyFileRanges(const QByteArray& maps);

// Hands back the pages of this process's read-only file mappings; false when the kernel does
// not know how (before Linux 5.4) or the maps cannot be read.
bool Release();

} // namespace StartupPages
