#include "DesktopLauncher.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

bool DesktopLauncher::openTarget(const QString& target)
{
    const QFileInfo local(target);
    const QUrl url = local.exists() ? QUrl::fromLocalFile(local.absoluteFilePath())
                                    : QUrl::fromUserInput(target);
    if (!url.isValid())
        return false;
    return QDesktopServices::openUrl(url);
}

bool DesktopLauncher::startProgram(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

QString DesktopLauncher::findProgram(const QString& name) const
{
    return QStandardPaths::findExecutable(name);
}

bool DesktopLauncher::isProgram(const QString& path) const
{
    const QFileInfo info(path);
    if (!info.isFile() || !info.isExecutable())
        return false;
    QFile file(info.absoluteFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray start = file.read(4);
    return start == "\177ELF" || start.startsWith("#!");
}

bool DesktopLauncher::canBrowse(const QString& location) const
{
    const QUrl url(location);
    const QString scheme = url.scheme();
    if (scheme.isEmpty())
        return QFileInfo::exists(location);
    if (scheme == QLatin1String("file"))
        return QFileInfo::exists(url.toLocalFile());
    return QFileInfo::exists(
        m_virtualFileSystemMounts + QLatin1Char('/') + scheme + QStringLiteral(".mount"));
}

QStringList DesktopLauncher::currentDesktops() const
{
    return qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'), Qt::SkipEmptyParts);
}
