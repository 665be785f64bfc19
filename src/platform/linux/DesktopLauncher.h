#pragma once

#include "platform/Platform.h"

class DesktopLauncher : public Launcher {
public:
    bool openTarget(const QString& target) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
    QString findProgram(const QString& name) const override;
};
