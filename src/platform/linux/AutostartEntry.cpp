#include "AutostartEntry.h"

#include "common/CheckedSaveFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

AutostartEntry::AutostartEntry(const QString& folder, const QString& programPath)
    : m_folder(folder)
    , m_programPath(programPath)
{
}

QString AutostartEntry::filePath() const
{
    return m_folder + QStringLiteral("/tolvane.desktop");
}

QString AutostartEntry::execArgument(const QString& programPath)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    const bool plain = std::none_of(
        programPath.begin(), programPath.end(), [](QChar c) { return reserved.contains(c); });
    if (plain && !programPath.isEmpty())
        return programPath;
    // Inside the quotes ", `, $ and \ take a backslash; the value's own escaping then doubles
    // every backslash once more.
    QString quoted;
    for (const QChar c : programPath) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    quoted.replace(u'\\', QStringLiteral("\\\\"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray AutostartEntry::contents() const
{
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=Tolvane\n"
                                        "Comment=Barre lat\u00e9rale du bureau\n"
                                        "Exec=%1\n"
                                        "Icon=tolvane\n"
                                        "Terminal=false\n"
                                        "X-GNOME-Autostart-enabled=true\n")
                             .arg(execArgument(m_programPath));
    return text.toUtf8();
}

bool AutostartEntry::isEnabled() const
{
    return QFileInfo::exists(filePath());
}

bool AutostartEntry::setEnabled(bool enabled)
{
    if (!enabled)
        return !isEnabled() || QFile::remove(filePath());
    QFile current(filePath());
    if (current.open(QIODevice::ReadOnly) && current.readAll() == contents())
        return true;
    current.close();
    if (!QDir().mkpath(m_folder))
        return false;
    // A menu entry is readable by everyone, like the ones the desktop writes.
    return CheckedSaveFile::saveWhole(filePath(), contents(),
        CheckedSaveFile::kOwnerOnly | QFileDevice::ReadGroup | QFileDevice::ReadOther);
}
