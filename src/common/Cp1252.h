#pragma once

#include <QByteArray>
#include <QString>

// The single-byte character set of the data files (Windows-1252). A character outside the code
// page becomes "?"; the five bytes the code page leaves undefined map to the same code point.
namespace Cp1252 {

QByteArray encode(const QString& text);
QString decode(const QByteArray& bytes);

// The code (0-255) of one character, '?' when it has none.
unsigned char codeOf(QChar c);
QChar charOf(unsigned char code);

} // namespace Cp1252
