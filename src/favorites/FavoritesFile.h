#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class Dialogs;

// One favorite: what it opens (a path or an address) and the text the lists show for it.
struct FavoriteEntry {
    QString target;
    QString label;

    bool operator==(const FavoriteEntry& other) const = default;
};

using FavoriteEntries = QList<FavoriteEntry>;

// The two favorites lists; the numbers are the list kinds the module and the options use.
enum class FavoriteKind { Windows = 1, Internet = 2 };

// The favorites files of the data folder: one entry per line, the target, ";" and the display
// text, CR LF after each line, no header. The target ends at the first ";", so the display text
// may hold more of them. A line is Windows-1252 when it fits, else UTF-8.
namespace FavoritesFile {

// "tolvane_FavWindows.dat" or "tolvane_FavInternet.dat".
QString fileName(FavoriteKind kind);
QString path(const QString& dataDir, FavoriteKind kind);

// Blank lines are skipped. A line without ";" is kept whole as both target and display text, so
// a hand-edited file loses nothing at the next save. A line with an empty target opens nothing
// and is left out.
FavoriteEntries parse(const QByteArray& content);
QByteArray serialize(const FavoriteEntries& entries);

// A missing or unreadable file gives an empty list.
FavoriteEntries loadFile(const QString& filePath);
FavoriteEntries load(const QString& dataDir, FavoriteKind kind);

// Writes the whole list through a temporary file renamed over the old one. A failure shows
// "Problème d'accès en écriture : " + the path (critical icon) and returns false; the old file
// then stays whole.
bool saveFile(const QString& filePath, const FavoriteEntries& entries, Dialogs* dialogs);
bool save(
    const QString& dataDir, FavoriteKind kind, const FavoriteEntries& entries, Dialogs* dialogs);

} // namespace FavoritesFile
