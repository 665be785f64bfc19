#include "IniReader.h"

#include "common/Cp1252.h"

#include <QFile>

namespace IniReader {

static constexpr int kMaxValueLength = 1023;

static QString stripQuotes(const QString& value)
{
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == u'"' || first == u'\'') && value.back() == first)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

QString ReadIniText(
    const QString& text, const QString& section, const QString& key, const QString& defaultValue)
{
    bool inSection = false;
    for (QString line : text.split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(u'[')) {
            const qsizetype close = trimmed.indexOf(u']');
            const QString name = trimmed.mid(1, close < 0 ? -1 : close - 1).trimmed();
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection || trimmed.startsWith(u';'))
            continue;
        const qsizetype eq = trimmed.indexOf(u'=');
        if (eq < 0 || trimmed.left(eq).trimmed().compare(key, Qt::CaseInsensitive) != 0)
            continue;
        const QString value = stripQuotes(trimmed.mid(eq + 1).trimmed()).left(kMaxValueLength);
        return value.isEmpty() ? defaultValue : value;
    }
    return defaultValue;
}

QString ReadIniString(const QString& filePath, const QString& section, const QString& key,
    const QString& defaultValue)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return defaultValue;
    // Skin files are Windows-1252, unless an editor saved them as UTF-8 with its byte-order mark.
    const QByteArray bytes = file.readAll();
    const QByteArray utf8Mark("\xEF\xBB\xBF");
    const QString text = bytes.startsWith(utf8Mark) ? QString::fromUtf8(bytes.mid(utf8Mark.size()))
                                                    : Cp1252::decode(bytes);
    return ReadIniText(text, section, key, defaultValue);
}

} // namespace IniReader
