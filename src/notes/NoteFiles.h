#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// The notes' files on disk: the index file of one line per note and the text file of each note.
// Every line goes through the data files' text codec and ends with CR LF; every file is written
// whole or not at all.
namespace NoteFiles {

// Every line of the file in order (a blank line included); false when it cannot be read.
bool ReadLines(const QString& path, QStringList& lines);
bool WriteLines(const QString& path, const QStringList& lines);

// A note's text: its lines that are not blank, each followed by a line feed; empty when the
// file is missing. A carriage return alone ends a line.
QString ReadNoteText(const QString& path);
// Writes the text less its leading and trailing spaces, its line breaks (LF, CR LF or a CR
// alone) as CR LF, and a final CR LF; creates the folder when needed.
bool WriteNoteText(const QString& path, const QString& text);

// The text without the spaces at either end (other blanks are part of the note).
QString TrimSpaces(const QString& text);

// stamp + ".fic", or stamp + "_2.fic", "_3.fic"... when that name is taken by another note or by
// a file in folder.
QString UniqueTextFileName(const QString& folder, const QString& stamp, const QSet<QString>& taken);

} // namespace NoteFiles
