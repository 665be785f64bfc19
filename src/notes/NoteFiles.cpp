#include "NoteFiles.h"

#include "common/CheckedSaveFile.h"
#include "common/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace NoteFiles {

bool ReadLines(const QString& path, QStringList& lines)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    QList<QByteArray> raw = bytes.split('\n');
    if (!raw.isEmpty() && raw.last().isEmpty())
        raw.removeLast();
    for (QByteArray& line : raw) {
        if (line.endsWith('\r'))
            line.chop(1);
        lines.append(TextCodec::decodeLine(line));
    }
    return true;
}

bool WriteLines(const QString& path, const QStringList& lines)
{
    QByteArray content;
    for (const QString& line : lines)
        content += TextCodec::encodeLine(line) + "\r\n";
    return CheckedSaveFile::saveWhole(path, content);
}

QString ReadNoteText(const QString& path)
{
    QStringList lines;
    if (!ReadLines(path, lines))
        return {};
    QString text;
    for (const QString& line : std::as_const(lines)) {
        // A carriage return alone breaks the line, as it does when the text is written.
        for (const QString& part : line.split(u'\r')) {
            if (!TrimSpaces(part).isEmpty())
                text += part + u'\n';
        }
    }
    return text;
}

bool WriteNoteText(const QString& path, const QString& text)
{
    if (!QDir().mkpath(QFileInfo(path).path()))
        return false;
    QString body = TrimSpaces(text);
    // A carriage return alone breaks the line too: kept inside a line, it would lose its
    // pairing with the line end at every save.
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QByteArray content;
    for (const QString& line : body.split(u'\n'))
        content += TextCodec::encodeLine(line) + "\r\n";
    return CheckedSaveFile::saveWhole(path, content);
}

QString TrimSpaces(const QString& text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start] == u' ')
        ++start;
    while (end > start && text[end - 1] == u' ')
        --end;
    return text.mid(start, end - start);
}

QString UniqueTextFileName(const QString& folder, const QString& stamp, const QSet<QString>& taken)
{
    const QDir dir(folder);
    QString name = stamp + QStringLiteral(".fic");
    for (int n = 2; taken.contains(name) || dir.exists(name); ++n)
        name = stamp + u'_' + QString::number(n) + QStringLiteral(".fic");
    return name;
}

} // namespace NoteFiles
