#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class Launcher;

// The desktop's network settings, opened with the first tool this machine has: the tools of the
// running desktop first, then NetworkManager's editor, then the other desktops' tools that run
// anywhere. GNOME's and Cinnamon's settings refuse to start outside their own desktop, so they
// are never offered there.
class NetworkSettings {
public:
    struct Command {
        QString program; // full path
        QStringList arguments;
    };

    explicit NetworkSettings(Launcher* launcher);

    // The tool to start, none when this machine has none.
    std::optional<Command> Find() const;

private:
    Launcher* m_launcher;
};
