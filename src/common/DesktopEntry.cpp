#include "DesktopEntry.h"

#include <QFile>
#include <QProcess>

bool DesktopEntry::isLauncherFile(const QString& path)
{
    return path.endsWith(QLatin1String(".desktop"), Qt::CaseInsensitive);
}

DesktopEntry DesktopEntry::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(file.readAll());
}

DesktopEntry DesktopEntry::parse(const QByteArray& content)
{
    DesktopEntry entry;
    bool inMainGroup = false;
    for (const QByteArray& raw : content.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inMainGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inMainGroup || equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        const std::pair<const char*, QString*> keys[] = {
            { "Type", &entry.type },
            { "Name", &entry.name },
            { "Icon", &entry.icon },
            { "Exec", &entry.exec },
            { "URL", &entry.url },
        };
        for (const auto& [name, field] : keys) {
            if (key == QLatin1String(name) && field->isEmpty())
                *field = value;
        }
    }
    return entry;
}

static QString withoutFieldCodes(const QString& argument)
{
    QString result;
    for (qsizetype i = 0; i < argument.size(); ++i) {
        if (argument[i] != QLatin1Char('%') || i + 1 == argument.size()) {
            result += argument[i];
            continue;
        }
        ++i;
        if (argument[i] == QLatin1Char('%'))
            result += QLatin1Char('%');
    }
    return result;
}

QStringList DesktopEntry::command() const
{
    QStringList arguments;
    for (const QString& word : QProcess::splitCommand(exec)) {
        // A word that was only a field code stands for files the bar never passes.
        const QString argument = withoutFieldCodes(word);
        if (!argument.isEmpty() || word.isEmpty())
            arguments.append(argument);
    }
    return arguments;
}
