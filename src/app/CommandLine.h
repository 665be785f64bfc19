#pragma once

#include <QString>
#include <QStringList>

// What the program's arguments ask for. Help and version are answered before Qt opens a display,
// so they work without one; whatever Qt leaves of the arguments once it has taken its own
// options (-display, -platform...) is refused.
class CommandLine {
public:
    enum class Action { StartBar, PrintHelp, PrintVersion };

    // The arguments without the program's name.
    static Action Read(const QStringList& arguments);

    static QString HelpText();
    static QString VersionText();
    // The message for arguments nobody took, empty when there are none.
    static QString Refusal(const QStringList& leftover);

    static constexpr int kRefusedExitCode = 2;
};
