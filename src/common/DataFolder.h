#pragma once

#include <QString>
#include <QStringList>

// The folders that hold the user's files: created private, and kept clear of the temporary
// copies that a save interrupted by a crash or a kill leaves beside a file.
namespace DataFolder {

// Creates the folder and any missing parent with mode 0700 whatever the umask; true when the
// folder exists afterwards. Folders that already exist keep their mode.
bool makePrivatePath(const QString& path);

// Removes, in folder, the temporary copies "<name>.XXXXXX" (six letters or digits) of the files
// whose names match one of the wildcard patterns; returns how many were removed.
int removeStaleCopies(const QString& folder, const QStringList& namePatterns);

} // namespace DataFolder
