#pragma once

#include "favorites/FavoritesFile.h"

class Dialogs;

// The two favorites pages of the options dialog, without any window. Each page has the stored
// list (what its file holds) and the rows the page shows, a working copy the user reorders.
// A deletion is written at once; the rows' order only by StoreFavoritesOrder.
class FavoritesOptions {
public:
    FavoritesOptions(const QString& dataDir, Dialogs* dialogs);

    // Reads both favorites files; the rows start in file order.
    void load();

    const FavoriteEntries& rows(FavoriteKind kind) const;
    const FavoriteEntries& stored(FavoriteKind kind) const;

    // Moves a row (0-based) one place up (step -1) or down (+1); returns the row it is now at.
    int MoveRow(FavoriteKind kind, int row, int step);

    // Deletes the entry the row (0-based, -1 for none) shows from the rows and from its file.
    // An empty list does nothing; no row selected shows the French message. True when the file
    // was written; a failed write changes nothing.
    bool remove(FavoriteKind kind, int row);

    // Writes the rows of both pages, in their order, to the two files (Windows first).
    bool StoreFavoritesOrder();

    // The move buttons serve only the user's own order (sort mode 0).
    static bool movesEnabled(int sortMode) { return sortMode == 0; }

private:
    struct Page {
        FavoriteEntries stored;
        FavoriteEntries rows;
    };
    Page& page(FavoriteKind kind);
    const Page& page(FavoriteKind kind) const;

    QString m_dataDir;
    Dialogs* m_dialogs;
    Page m_windows;
    Page m_internet;
};
