#pragma once

#include <QString>

// The program's title and the version of this build.
namespace AppVersion {

inline QString Title()
{
    return QStringLiteral("Tolvane");
}

// "1.0.11": the project's version, the one its package carries.
QString Number();

// "Tolvane - Version 1.0.11"
inline QString VersionText(const QString& title)
{
    return title + QStringLiteral(" - Version ") + Number();
}

} // namespace AppVersion
