#include "FavoritesList.h"

FavoritesList::FavoritesList(FavoriteKind kind, const QString& dataDir)
    : m_kind(kind)
    , m_dataDir(dataDir)
{
}

void FavoritesList::Load()
{
    m_entries = FavoritesFile::load(m_dataDir, m_kind);
}

bool FavoritesList::Save(Dialogs* dialogs) const
{
    return FavoritesFile::save(m_dataDir, m_kind, m_entries, dialogs);
}

int FavoritesList::Add(const FavoriteEntry& entry)
{
    m_entries.append(entry);
    return count() - 1;
}

bool FavoritesList::RenameFavorite(int index, const QString& label)
{
    if (index < 0 || index >= count() || label.trimmed().isEmpty()
        || m_entries[index].label == label)
        return false;
    m_entries[index].label = label;
    return true;
}

bool FavoritesList::containsTarget(const QString& target) const
{
    for (const FavoriteEntry& entry : m_entries) {
        if (entry.target == target)
            return true;
    }
    return false;
}
