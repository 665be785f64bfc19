#include "TargetIcons.h"

#include "common/DesktopEntry.h"

#include <QFileInfo>

// fromTheme() gives a non-null icon even for a name the theme lacks.
static QIcon themeIcon(const QString& name)
{
    return QIcon::hasThemeIcon(name) ? QIcon::fromTheme(name) : QIcon();
}

QIcon TargetIcons::iconFor(const QString& target)
{
    if (DesktopEntry::isLauncherFile(target)) {
        const QIcon icon = launcherIcon(target);
        if (!icon.isNull())
            return icon;
    }
    return typeIcon(target);
}

QIcon TargetIcons::launcherIcon(const QString& path)
{
    const QString name = DesktopEntry::read(path).icon;
    if (name.isEmpty())
        return {};
    if (QFileInfo(name).isAbsolute())
        return QFileInfo::exists(name) ? QIcon(name) : QIcon();
    return themeIcon(name);
}

// One look-up per file type, however many entries share it.
QIcon TargetIcons::typeIcon(const QString& target)
{
    const QFileInfo info(target);
    const QMimeType type = m_types.mimeTypeForFile(info);
    const QString key = type.name();
    const auto known = m_byType.constFind(key);
    if (known != m_byType.constEnd())
        return *known;
    QIcon icon = themeIcon(type.iconName());
    if (icon.isNull())
        icon = themeIcon(type.genericIconName());
    if (icon.isNull())
        icon = m_provider.icon(info.isDir() ? QFileIconProvider::Folder : QFileIconProvider::File);
    m_byType.insert(key, icon);
    return icon;
}
