#pragma once

#include <QString>
#include <QStringList>

// The keys of a desktop launcher file (a ".desktop" file) that say what it starts and how it
// looks: the "[Desktop Entry]" group's Type, Name, Icon, Exec and URL.
struct DesktopEntry {
    QString type;
    QString name;
    QString icon;
    QString exec;
    QString url;

    static bool isLauncherFile(const QString& path);
    // An unreadable file gives an entry with every key empty.
    static DesktopEntry read(const QString& path);
    static DesktopEntry parse(const QByteArray& content);

    // Exec split into the program and its arguments, quotes honoured and the field codes
    // (%f, %U, %i...) that would stand for files left out; "%%" is a percent sign.
    QStringList command() const;
};
