#pragma once

#include <QString>

// The program's title and the version of this build.
namespace AppVersion {

inline constexpr int kMajor = 1;
inline constexpr int kMinor = 0;
inline constexpr int kRevision = 11;

inline QString Title()
{
    return QStringLiteral("Tolvane");
}

// "Tolvane - Version 1.0.11"
inline QString VersionText(const QString& title)
{
    return title + QStringLiteral(" - Version ") + QString::number(kMajor) + QLatin1Char('.')
        + QString::number(kMinor) + QLatin1Char('.') + QString::number(kRevision);
}

} // namespace AppVersion
