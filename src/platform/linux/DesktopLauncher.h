#pragma once

#include "platform/Platform.h"

class DesktopLauncher : public Launcher {
public:
    // The folder where the virtual file system lists its back ends, one "<scheme>.mount" each.
    explicit DesktopLauncher(
        const QString& virtualFileSystemMounts = QStringLiteral("/usr/share/gvfs/mounts"))
        : m_virtualFileSystemMounts(virtualFileSystemMounts)
    {
    }
    bool openTarget(const QString& target) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
    QString findProgram(const QString& name) const override;
    bool isProgram(const QString& path) const override;
    // A location is browsable when the desktop's virtual file system has a back end for its
    // scheme.
    bool canBrowse(const QString& location) const override;
    // From XDG_CURRENT_DESKTOP.
    QStringList currentDesktops() const override;

private:
    QString m_virtualFileSystemMounts;
};
