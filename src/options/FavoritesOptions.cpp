#include "FavoritesOptions.h"

#include "common/RowMoves.h"
#include "platform/Platform.h"
#include "shell/AppVersion.h"

FavoritesOptions::FavoritesOptions(const QString& dataDir, Dialogs* dialogs)
    : m_dataDir(dataDir)
    , m_dialogs(dialogs)
{
}

void FavoritesOptions::load()
{
    for (FavoriteKind kind : { FavoriteKind::Windows, FavoriteKind::Internet }) {
        Page& loaded = page(kind);
        loaded.stored = FavoritesFile::load(m_dataDir, kind);
        loaded.rows = loaded.stored;
    }
}

FavoritesOptions::Page& FavoritesOptions::page(FavoriteKind kind)
{
    return kind == FavoriteKind::Windows ? m_windows : m_internet;
}

const FavoritesOptions::Page& FavoritesOptions::page(FavoriteKind kind) const
{
    return kind == FavoriteKind::Windows ? m_windows : m_internet;
}

const FavoriteEntries& FavoritesOptions::rows(FavoriteKind kind) const
{
    return page(kind).rows;
}

const FavoriteEntries& FavoritesOptions::stored(FavoriteKind kind) const
{
    return page(kind).stored;
}

int FavoritesOptions::MoveRow(FavoriteKind kind, int row, int step)
{
    return moveRowOnePlace(page(kind).rows, row, step);
}

bool FavoritesOptions::remove(FavoriteKind kind, int row)
{
    Page& changed = page(kind);
    if (changed.stored.isEmpty())
        return false;
    if (row < 0 || row >= changed.rows.size()) {
        if (m_dialogs) {
            m_dialogs->message(Dialogs::Icon::Critical, AppVersion::Title(),
                QStringLiteral("Veuillez s\u00e9lectionner l'\u00e9l\u00e9ment \u00e0 supprimer."));
        }
        return false;
    }
    // The rows may have been moved since the page was filled: the entry to delete is found by
    // what the row shows, not by its position.
    FavoriteEntries stored = changed.stored;
    stored.removeOne(changed.rows.at(row));
    if (!FavoritesFile::save(m_dataDir, kind, stored, m_dialogs))
        return false;
    changed.stored = stored;
    changed.rows.removeAt(row);
    return true;
}

bool FavoritesOptions::StoreFavoritesOrder()
{
    bool saved = true;
    for (FavoriteKind kind : { FavoriteKind::Windows, FavoriteKind::Internet }) {
        Page& written = page(kind);
        if (FavoritesFile::save(m_dataDir, kind, written.rows, m_dialogs))
            written.stored = written.rows;
        else
            saved = false;
    }
    return saved;
}
