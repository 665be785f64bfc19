#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <utility>

// A textbook RC4 and hexadecimal line form written apart from the program's own, so that the
// vault file is checked against an independent reading of the format.
namespace ReferenceRC4 {

// The fixed key's bytes in Windows-1252 (the "§" is 0xA7).
inline QByteArray fixedKey()
{
    return QByteArray("~[%!|/274=?.\xA7*kq");
}

inline QByteArray rc4(const QByteArray& key, QByteArray data)
{
    std::array<unsigned char, 256> s;
    for (int n = 0; n < 256; ++n)
        s[n] = static_cast<unsigned char>(n);
    unsigned j = 0;
    for (int n = 0; n < 256; ++n) {
        j = (j + s[n] + static_cast<unsigned char>(key[n % key.size()])) % 256;
        std::swap(s[n], s[j]);
    }
    unsigned i = 0;
    j = 0;
    for (char& c : data) {
        i = (i + 1) % 256;
        j = (j + s[i]) % 256;
        std::swap(s[i], s[j]);
        c = static_cast<char>(static_cast<unsigned char>(c) ^ s[(s[i] + s[j]) % 256]);
    }
    return data;
}

// "HH;" per byte, upper case, no leading zero.
inline QByteArray toHexaLine(const QByteArray& bytes)
{
    QByteArray line;
    for (char c : bytes)
        line += QByteArray::number(static_cast<unsigned char>(c), 16).toUpper() + ';';
    return line;
}

inline QByteArray fromHexaLine(const QByteArray& line)
{
    QByteArray bytes;
    for (const QByteArray& piece : line.split(';')) {
        if (!piece.isEmpty())
            bytes.append(static_cast<char>(piece.toInt(nullptr, 16)));
    }
    return bytes;
}

// The plain lines (Latin-1 bytes, as every test text here fits) of a file's CR LF lines.
inline QStringList decipherFile(const QByteArray& file)
{
    QStringList lines;
    for (QByteArray line : file.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty())
            lines.append(QString::fromLatin1(rc4(fixedKey(), fromHexaLine(line))));
    }
    return lines;
}

inline QByteArray encipherFile(const QStringList& plainLines)
{
    QByteArray file;
    for (const QString& plain : plainLines)
        file += toHexaLine(rc4(fixedKey(), plain.toLatin1())) + "\r\n";
    return file;
}

} // namespace ReferenceRC4
