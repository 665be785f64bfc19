#include "SettingsStore.h"

#include "SettingsKeys.h"
#include "common/CheckedSaveFile.h"
#include "common/DataFolder.h"
#include "common/Numbers.h"
#include "common/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

SettingsStore::SettingsStore(const QString& folder)
    : m_folder(folder.isEmpty() ? defaultFolder() : folder)
{
    DataFolder::removeStaleCopies(m_folder, { QStringLiteral("*.ini") });
}

QString SettingsStore::defaultFolder()
{
    QString base = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
    if (base.isEmpty() || !QDir::isAbsolutePath(base)) // a relative value counts as unset
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/tolvane");
}

QString SettingsStore::filePath(const QString& application) const
{
    return m_folder + QLatin1Char('/') + application.toLower() + QStringLiteral(".ini");
}

QString SettingsStore::escape(const QString& value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        const bool edge = (i == 0 || i == value.size() - 1) && (c == u' ' || c == u'\t');
        if (c == u'\\') {
            out += QStringLiteral("\\\\");
        } else if (c.unicode() < 0x20 || c.unicode() == 0x7F
            || (c.unicode() >= 0x80 && c.unicode() < 0xA0) || edge) {
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        } else {
            out += c;
        }
    }
    return out;
}

QString SettingsStore::unescape(const QString& stored)
{
    QString out;
    out.reserve(stored.size());
    for (qsizetype i = 0; i < stored.size(); ++i) {
        const QChar c = stored[i];
        if (c == u'\\' && i + 1 < stored.size() && stored[i + 1] == u'\\') {
            out += u'\\';
            ++i;
        } else if (c == u'\\' && i + 3 < stored.size() && stored[i + 1] == u'x') {
            bool ok = false;
            const ushort code = stored.mid(i + 2, 2).toUShort(&ok, 16);
            if (ok) {
                out += QChar(code);
                i += 3;
            } else {
                out += c;
            }
        } else {
            out += c;
        }
    }
    return out;
}

// Only blanks and tabs around a value are layout; escape() writes a value's own as escapes. Other
// spaces (a no-break space, code 160) belong to the value.
static QString trimBlanks(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && (text[begin] == u' ' || text[begin] == u'\t'))
        ++begin;
    while (end > begin && (text[end - 1] == u' ' || text[end - 1] == u'\t'))
        --end;
    return text.mid(begin, end - begin);
}

QList<SettingsStore::Section> SettingsStore::parse(const QByteArray& bytes)
{
    QList<Section> sections;
    // A file edited by hand may be in UTF-8 or in Windows-1252, even line by line, and may start
    // with a UTF-8 byte-order mark.
    const QByteArray kBom("\xEF\xBB\xBF");
    const QByteArray text = bytes.startsWith(kBom) ? bytes.mid(kBom.size()) : bytes;
    for (QByteArray raw : text.split('\n')) {
        if (raw.endsWith('\r'))
            raw.chop(1);
        const QString line = TextCodec::decodeLine(raw);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u';') || trimmed.startsWith(u'#'))
            continue;
        if (trimmed.startsWith(u'[') && trimmed.endsWith(u']')) {
            sections.append({ trimmed.mid(1, trimmed.size() - 2).trimmed(), {} });
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0 || sections.isEmpty())
            continue;
        sections.last().entries.append(
            { line.left(eq).trimmed(), unescape(trimBlanks(line.mid(eq + 1))) });
    }
    return sections;
}

QString SettingsStore::serialize(const QList<Section>& sections)
{
    QString text;
    for (const Section& section : sections) {
        if (!text.isEmpty())
            text += u'\n';
        text += u'[' + section.name + QStringLiteral("]\n");
        for (const Entry& entry : section.entries)
            text += entry.key + u'=' + escape(entry.value) + u'\n';
    }
    return text;
}

// The file is read again only when it changed on disk, so hand edits are seen at once.
bool SettingsStore::load(const QString& application, QList<Section>& sections) const
{
    sections.clear();
    const QString path = filePath(application);
    const QFileInfo info(path);
    if (!info.exists())
        return true;
    if (path == m_cachedPath && info.lastModified() == m_cache.modified
        && info.size() == m_cache.size) {
        sections = m_cache.sections;
        return true;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    m_cachedPath = path;
    m_cache.modified = info.lastModified();
    m_cache.size = info.size();
    m_cache.sections = parse(file.readAll());
    sections = m_cache.sections;
    return true;
}

QString SettingsStore::GetSetting(const QString& application, const QString& section,
    const QString& key, const QString& defaultValue) const
{
    QList<Section> sections;
    load(application, sections);
    for (const Section& s : sections) {
        if (s.name.compare(section, Qt::CaseInsensitive) != 0)
            continue;
        for (const Entry& entry : s.entries) {
            if (entry.key.compare(key, Qt::CaseInsensitive) == 0)
                return entry.value;
        }
    }
    return defaultValue;
}

bool SettingsStore::SaveSetting(
    const QString& application, const QString& section, const QString& key, const QString& value)
{
    return saveEntries(application, section, { { key, value } });
}

bool SettingsStore::saveEntries(
    const QString& application, const QString& section, const QList<Entry>& changes)
{
    QList<Section> sections;
    if (!load(application, sections))
        return false; // writing now would lose every other value of the file
    auto s = std::find_if(sections.begin(), sections.end(), [&](const Section& candidate) {
        return candidate.name.compare(section, Qt::CaseInsensitive) == 0;
    });
    if (s == sections.end()) {
        sections.append({ section, {} });
        s = sections.end() - 1;
    }
    for (const Entry& change : changes) {
        auto e = std::find_if(s->entries.begin(), s->entries.end(), [&](const Entry& candidate) {
            return candidate.key.compare(change.key, Qt::CaseInsensitive) == 0;
        });
        if (e == s->entries.end())
            s->entries.append(change);
        else
            e->value = change.value;
    }

    if (!DataFolder::makePrivatePath(m_folder))
        return false;
    if (!CheckedSaveFile::saveWhole(filePath(application), serialize(sections).toUtf8()))
        return false;
    m_cachedPath.clear();
    return true;
}

QString SettingsStore::value(const SettingKey& key) const
{
    return value(key, key.barDefaultText());
}

QString SettingsStore::value(const SettingKey& key, const QString& defaultValue) const
{
    return GetSetting(QLatin1String(SettingsKeys::kApplication),
        QLatin1String(SettingsKeys::kSection), key.key(), defaultValue);
}

qint64 SettingsStore::number(const SettingKey& key) const
{
    return Numbers::LeadingInteger(value(key));
}

double SettingsStore::decimal(const SettingKey& key) const
{
    return Numbers::LeadingNumber(value(key));
}

bool SettingsStore::save(const QList<std::pair<const SettingKey*, QString>>& values)
{
    QList<Entry> changes;
    for (const auto& [key, value] : values)
        changes.append({ key->key(), value });
    return saveEntries(
        QLatin1String(SettingsKeys::kApplication), QLatin1String(SettingsKeys::kSection), changes);
}

bool SettingsStore::save(const SettingKey& key, const QString& value)
{
    return SaveSetting(QLatin1String(SettingsKeys::kApplication),
        QLatin1String(SettingsKeys::kSection), key.key(), value);
}

bool SettingsStore::remove(const SettingKey& key)
{
    const QString application = QLatin1String(SettingsKeys::kApplication);
    QList<Section> sections;
    if (!load(application, sections))
        return false;
    qsizetype removed = 0;
    for (Section& section : sections) {
        if (section.name.compare(QLatin1String(SettingsKeys::kSection), Qt::CaseInsensitive) == 0)
            removed += section.entries.removeIf([&key](const Entry& entry) {
                return entry.key.compare(key.key(), Qt::CaseInsensitive) == 0;
            });
    }
    if (removed == 0)
        return true;
    if (!CheckedSaveFile::saveWhole(filePath(application), serialize(sections).toUtf8()))
        return false;
    m_cachedPath.clear();
    return true;
}
