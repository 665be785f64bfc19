#include "DesktopLauncher.h"

#include <QDesktopServices>
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
