#pragma once

#include <QByteArray>
#include <QString>

// How a line of text becomes bytes in our data files (and before the cipher), and back.
// A line whose every character has a Windows-1252 code is written in Windows-1252, so the
// files older versions wrote stay byte for byte the same; any other line is written in UTF-8,
// so no character is ever lost. A line is read as UTF-8 when its bytes are valid UTF-8 and
// hold at least one byte above 127, else as Windows-1252.
namespace TextCodec {

QByteArray encodeLine(const QString& line);
QString decodeLine(const QByteArray& bytes);

// True when every character of the text has a Windows-1252 code.
bool fitsCp1252(const QString& text);

} // namespace TextCodec
