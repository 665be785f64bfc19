#include "SystemInfoTool.h"

#include "platform/Platform.h"

namespace SystemInfoTool {

QList<Candidate> Candidates()
{
    return {
        { QStringLiteral("hardinfo2"), {} },
        { QStringLiteral("hardinfo"), {} },
        { QStringLiteral("kinfocenter"), {} },
        { QStringLiteral("cpu-x"), {} },
        { QStringLiteral("gnome-control-center"), { QStringLiteral("info-overview") } },
        { QStringLiteral("xfce4-about"), {} },
    };
}

bool Start(Launcher& launcher)
{
    for (const Candidate& candidate : Candidates()) {
        const QString path = launcher.findProgram(candidate.program);
        if (!path.isEmpty() && launcher.startProgram(path, candidate.arguments))
            return true;
    }
    return false;
}

} // namespace SystemInfoTool
