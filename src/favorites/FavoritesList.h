#pragma once

#include "FavoritesFile.h"

class Dialogs;

// One favorites list in memory, in its file's order, with its file in the data folder.
class FavoritesList {
public:
    FavoritesList(FavoriteKind kind, const QString& dataDir);

    FavoriteKind kind() const { return m_kind; }
    const FavoriteEntries& entries() const { return m_entries; }
    int count() const { return static_cast<int>(m_entries.size()); }

    // Reads the file again; a missing file gives an empty list.
    void Load();
    // Writes the whole list; a failure is told through dialogs and returns false.
    bool Save(Dialogs* dialogs) const;
    // Appends an entry and returns its index.
    int Add(const FavoriteEntry& entry);
    // Gives the entry at index a new display text; false, with nothing changed, for an index
    // out of range, a blank text or the text it has already.
    bool RenameFavorite(int index, const QString& label);
    // Whether an entry has exactly this target, letter case included.
    bool containsTarget(const QString& target) const;

private:
    FavoriteKind m_kind;
    QString m_dataDir;
    FavoriteEntries m_entries;
};
