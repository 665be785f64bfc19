#include "FavoritesFile.h"

#include "common/CheckedSaveFile.h"
#include "common/TextCodec.h"
#include "platform/Platform.h"

#include <QFile>

namespace FavoritesFile {

QString fileName(FavoriteKind kind)
{
    return kind == FavoriteKind::Windows ? QStringLiteral("tolvane_FavWindows.dat")
                                         : QStringLiteral("tolvane_FavInternet.dat");
}

QString path(const QString& dataDir, FavoriteKind kind)
{
    return dataDir + QLatin1Char('/') + fileName(kind);
}

static FavoriteEntry entryOf(const QString& line)
{
    const qsizetype separator = line.indexOf(QLatin1Char(';'));
    if (separator < 0)
        return { line, line };
    return { line.left(separator), line.mid(separator + 1) };
}

FavoriteEntries parse(const QByteArray& content)
{
    FavoriteEntries entries;
    for (QByteArray raw : content.split('\n')) {
        if (raw.endsWith('\r'))
            raw.chop(1);
        const QString line = TextCodec::decodeLine(raw);
        if (line.trimmed().isEmpty())
            continue;
        const FavoriteEntry entry = entryOf(line);
        if (!entry.target.isEmpty())
            entries.append(entry);
    }
    return entries;
}

QByteArray serialize(const FavoriteEntries& entries)
{
    QByteArray content;
    for (const FavoriteEntry& entry : entries) {
        if (entry.target.isEmpty())
            continue;
        QString line = entry.target + QLatin1Char(';') + entry.label;
        // A line break inside a text would split the entry into two lines of the file.
        line.replace(QLatin1Char('\r'), QLatin1Char(' '))
            .replace(QLatin1Char('\n'), QLatin1Char(' '));
        content += TextCodec::encodeLine(line);
        content += "\r\n";
    }
    return content;
}

FavoriteEntries loadFile(const QString& filePath)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(file.readAll());
}

FavoriteEntries load(const QString& dataDir, FavoriteKind kind)
{
    return loadFile(path(dataDir, kind));
}

bool saveFile(const QString& filePath, const FavoriteEntries& entries, Dialogs* dialogs)
{
    const QByteArray content = serialize(entries);
    const bool written = CheckedSaveFile::saveWhole(filePath, content);
    if (!written && dialogs) {
        dialogs->message(Dialogs::Icon::Critical, QStringLiteral("Tolvane"),
            QStringLiteral("Probl\u00E8me d'acc\u00E8s en \u00E9criture : ") + filePath);
    }
    return written;
}

bool save(
    const QString& dataDir, FavoriteKind kind, const FavoriteEntries& entries, Dialogs* dialogs)
{
    return saveFile(path(dataDir, kind), entries, dialogs);
}

} // namespace FavoritesFile
