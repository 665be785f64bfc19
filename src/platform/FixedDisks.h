#pragma once

#include <QStringList>

// Size and free space of one disk, in bytes; both 0 when the disk cannot be asked.
struct DiskSpace {
    qint64 total = 0;
    qint64 free = 0;
};

// The machine's fixed disks, each named by the folder it is mounted on.
class FixedDisks {
public:
    virtual ~FixedDisks() = default;
    virtual QStringList list() = 0;
    virtual DiskSpace space(const QString& root) = 0;
};
