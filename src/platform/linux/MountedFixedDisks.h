#pragma once

#include "platform/FixedDisks.h"

#include <functional>

// The file systems of <root>/proc/self/mounts that live on a local block device, each device
// once, named by its first mount point, removable drives left out; sizes from statvfs unless the
// caller gives another query.
class MountedFixedDisks : public FixedDisks {
public:
    using SpaceQuery = std::function<DiskSpace(const QString& mountPoint)>;

    explicit MountedFixedDisks(const QString& root = {}, SpaceQuery query = {});
    QStringList list() override;
    DiskSpace space(const QString& root) override;

    static DiskSpace statvfsSpace(const QString& mountPoint);
    // One line of the mounts table: device, mount point (escapes decoded) and type.
    static bool isFixedDisk(const QString& device, const QString& type);
    static QString decodeMountField(const QByteArray& field);

private:
    bool isRemovable(const QString& device) const;

    QString m_mounts;
    QString m_blockClass;
    SpaceQuery m_query;
};
