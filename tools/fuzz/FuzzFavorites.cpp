// A favorites file as a user may have edited it: any bytes. Every entry read opens something,
// and the list saved and read back is the list that was read, line breaks inside a text
// becoming spaces.
#include "FuzzSupport.h"
#include "favorites/FavoritesFile.h"

static FavoriteEntries withoutLineBreaks(FavoriteEntries entries)
{
    for (FavoriteEntry& entry : entries) {
        entry.target.replace(QLatin1Char('\r'), QLatin1Char(' '));
        entry.label.replace(QLatin1Char('\r'), QLatin1Char(' '));
    }
    return entries;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString dir = Fuzz::folder().path();
    const QString path = FavoritesFile::path(dir, FavoriteKind::Internet);
    Fuzz::writeFile(path, Fuzz::bytes(data, size));
    const FavoriteEntries entries = FavoritesFile::loadFile(path);
    for (const FavoriteEntry& entry : entries) {
        FUZZ_CHECK(!entry.target.isEmpty());
        FUZZ_CHECK(!entry.target.contains(QLatin1Char(';')));
        FUZZ_CHECK(!entry.target.contains(QLatin1Char('\n')));
    }

    FUZZ_CHECK(FavoritesFile::saveFile(path, entries, nullptr));
    FUZZ_CHECK(FavoritesFile::loadFile(path) == withoutLineBreaks(entries));
    return 0;
}
