#pragma once

#include <QFileIconProvider>
#include <QHash>
#include <QIcon>
#include <QMimeDatabase>

// The picture of a favorite's target from the desktop's icon theme: its launcher's own icon
// for a desktop launcher, else the icon of its file type, else Qt's file or folder icon.
class TargetIcons {
public:
    QIcon iconFor(const QString& target);

private:
    QIcon launcherIcon(const QString& path);
    QIcon typeIcon(const QString& target);

    QMimeDatabase m_types;
    QFileIconProvider m_provider;
    QHash<QString, QIcon> m_byType;
};
