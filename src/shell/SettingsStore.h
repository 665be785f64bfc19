#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <utility>

struct SettingKey;

// The per-user settings: one ini file per application in the configuration folder, a
// "[Section]" header per section and "key=value" lines. Application, section and key are
// compared without letter case. Values are kept whole, character codes 0-255 included: codes
// that an editor would mangle are written as "\xHH" escapes and a backslash as "\\".
// Every change rewrites the file at once, atomically, readable by its owner only, in UTF-8; a
// line that is not valid UTF-8 is read as Windows-1252. The folder is created private (0700).
class SettingsStore {
public:
    // folder: where the ini files live; empty means the user's configuration folder.
    explicit SettingsStore(const QString& folder = QString());

    // $XDG_CONFIG_HOME/tolvane, or ~/.config/tolvane when the variable is unset or relative.
    static QString defaultFolder();
    QString folder() const { return m_folder; }
    QString filePath(const QString& application) const;

    QString GetSetting(const QString& application, const QString& section, const QString& key,
        const QString& defaultValue = QString()) const;
    // False when the file could not be written; the value is then not stored.
    bool SaveSetting(const QString& application, const QString& section, const QString& key,
        const QString& value);

    // The program's own keys (application "Tolvane", section "Options").
    QString value(const SettingKey& key) const; // with the bar's default
    QString value(const SettingKey& key, const QString& defaultValue) const;
    qint64 number(const SettingKey& key) const; // leading-number rule, rounded
    double decimal(const SettingKey& key) const;
    bool save(const SettingKey& key, const QString& value);
    // Several keys in one rewrite of the file, in the order given for keys not yet there.
    bool save(const QList<std::pair<const SettingKey*, QString>>& values);
    // Takes the key out of the file; true when it is no longer there.
    bool remove(const SettingKey& key);

    static QString escape(const QString& value);
    static QString unescape(const QString& stored);

private:
    struct Entry {
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        QList<Entry> entries;
    };
    struct Cache {
        QDateTime modified;
        qint64 size = -1;
        QList<Section> sections;
    };

    // False when the file exists but cannot be read: nothing may then be written over it.
    bool load(const QString& application, QList<Section>& sections) const;
    static QList<Section> parse(const QByteArray& bytes);
    static QString serialize(const QList<Section>& sections);
    bool saveEntries(
        const QString& application, const QString& section, const QList<Entry>& changes);

    QString m_folder;
    mutable QString m_cachedPath;
    mutable Cache m_cache;
};
