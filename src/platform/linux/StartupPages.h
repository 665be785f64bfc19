#pragma once

#include "platform/Platform.h"

#include <QByteArray>

// Start-up runs a great deal of library code once (loading the skin, building every window,
// connecting to the display) and leaves those pages mapped for as long as the bar runs. Once the
// bar is up, it lets go of its mapping of the files it maps read-only: the pages stay in the page
// cache, so the next start of the bar (or of any program using the same libraries) finds them
// there, and the few the idle bar uses come back at their next use without a disk read.
namespace StartupPages {

struct Range {
    quintptr start = 0;
    quintptr end = 0;
};

// The mappings of a /proc/<pid>/smaps text that can be let go of: private mappings of a file,
// without write permission, holding no private copy of a page (the relocated constants of a
// library are such copies: dropped, they would come back as the file's unrelocated bytes).
QList<Range> ReleasableRanges(const QByteArray& smaps);

// Lets go of this process's releasable mappings and of the heap's free pages; false when nothing
// could be released or smaps cannot be read.
bool Release();

} // namespace StartupPages

// The platform service over StartupPages::Release().
class StartupPagesRelease : public MemoryRelease {
public:
    void release() override { StartupPages::Release(); }
};
