#pragma once

#include <QString>

// Reads one value of a Windows-style ini file (Windows-1252 text): section and key names are
// compared without letter case, blanks around the value and one pair of enclosing quotes are
// removed, at most 1023 characters are returned, and a missing file, section or key or an
// empty value gives the default.
namespace IniReader {

QString ReadIniString(const QString& filePath, const QString& section, const QString& key,
    const QString& defaultValue);

// The same rules over the text of a file already read.
QString ReadIniText(
    const QString& text, const QString& section, const QString& key, const QString& defaultValue);

} // namespace IniReader
