#include "NetworkSettings.h"

#include "platform/Platform.h"

namespace {

struct Tool {
    const char* program;
    QStringList arguments;
    QStringList desktops; // the XDG_CURRENT_DESKTOP names it belongs to; none: every desktop
    bool ownDesktopOnly;
};

const QList<Tool>& tools()
{
    const QString networkPage = QStringLiteral("network");
    const QString plasmaPage = QStringLiteral("kcm_networkmanagement");
    static const QList<Tool> table = {
        { "gnome-control-center", { networkPage },
            { QStringLiteral("GNOME"), QStringLiteral("Unity"), QStringLiteral("Budgie") }, true },
        { "cinnamon-settings", { networkPage }, { QStringLiteral("X-Cinnamon") }, true },
        { "systemsettings", { plasmaPage }, { QStringLiteral("KDE") }, false },
        { "kcmshell6", { plasmaPage }, { QStringLiteral("KDE") }, false },
        { "kcmshell5", { plasmaPage }, { QStringLiteral("KDE") }, false },
        { "nm-connection-editor", {}, {}, false },
    };
    return table;
}

bool belongsTo(const Tool& tool, const QStringList& desktops)
{
    for (const QString& desktop : desktops) {
        if (tool.desktops.contains(desktop, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace

NetworkSettings::NetworkSettings(Launcher* launcher)
    : m_launcher(launcher)
{
}

std::optional<NetworkSettings::Command> NetworkSettings::Find() const
{
    if (!m_launcher)
        return std::nullopt;
    const QStringList desktops = m_launcher->currentDesktops();
    QList<const Tool*> order;
    for (const Tool& tool : tools()) {
        if (belongsTo(tool, desktops))
            order.append(&tool);
    }
    for (const Tool& tool : tools()) {
        if (tool.desktops.isEmpty())
            order.append(&tool);
    }
    for (const Tool& tool : tools()) {
        if (!tool.desktops.isEmpty() && !tool.ownDesktopOnly && !belongsTo(tool, desktops))
            order.append(&tool);
    }
    for (const Tool* tool : order) {
        const QString path = m_launcher->findProgram(QLatin1String(tool->program));
        if (!path.isEmpty())
            return Command { path, tool->arguments };
    }
    return std::nullopt;
}
