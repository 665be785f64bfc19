#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class Launcher;

// The desktop's system information viewer, started from the about box.
namespace SystemInfoTool {

struct Candidate {
    QString program;
    QStringList arguments;
};

// The viewers tried in turn: dedicated tools first, then the desktops' own "about this
// computer" windows.
QList<Candidate> Candidates();

// Starts the first candidate found on PATH that starts; false when none did.
bool Start(Launcher& launcher);

} // namespace SystemInfoTool
