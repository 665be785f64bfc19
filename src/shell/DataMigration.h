#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Moves the data files an earlier version wrote beside the program into the user's data folder,
// once: a file or folder already in the data folder is never overwritten (the old one then stays
// where it is), and a move that fails half-way leaves the old file whole.
namespace DataMigration {

// The data files and folders, by name, that belong in the user's data folder.
QStringList DataFileNames();

struct Result {
    QStringList moved;
    QStringList keptBeside; // the data folder already had one of that name
    QStringList failed; // left beside the program, untouched
};

// Renames from into to; false when the two are on different file systems or it fails otherwise.
using RenameFunction = std::function<bool(const QString& from, const QString& to)>;

// Moves every data file of fromDir that toDir does not have. rename is tried first; when it
// fails the file (or folder) is copied under a temporary name, put in place, and only then
// removed from fromDir.
Result MoveOldDataFiles(
    const QString& fromDir, const QString& toDir, const RenameFunction& rename = RenameFunction());

} // namespace DataMigration
