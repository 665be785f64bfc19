#pragma once

#include <QByteArray>
#include <QString>

#include <array>

// RC4 over the Windows-1252 codes of a text, and a hexadecimal text form that turns any text
// (control characters, ";" and line breaks included) into one line of "HH;" numbers.
// The key stream carries over from one Crypt or Decrypt call to the next; only Key resets it.
class cCryptRC4 {
public:
    // The one key every enciphered file of the program uses.
    static const QString kFixedKey;

    // The RC4 key schedule; an empty key leaves the identity permutation.
    void Key(const QString& key);
    QString Crypt(const QString& text);
    QString Decrypt(const QString& text) { return Crypt(text); }
    // The same stream over raw bytes.
    QByteArray CryptBytes(QByteArray bytes);

    // Each byte in upper-case hexadecimal without leading zeros, followed by ";", and the bytes
    // such a form stands for: empty pieces are skipped, a piece is read by its leading
    // hexadecimal digits (0 when none), and a value above 255 gives no bytes at all.
    static QString Bytes2StringHexa(const QByteArray& bytes);
    static QByteArray StringHexa2Bytes(const QString& hexa);

    // The line's bytes (TextCodec), enciphered with the fixed key from the start of the key
    // stream, in hexadecimal form: one line of an enciphered data file.
    static QString EncipherLine(const QString& text);
    // The reverse of EncipherLine; empty for malformed hexadecimal text.
    static QString DecipherLine(const QString& hexa);

private:
    std::array<int, 256> m_S {};
    int m_i = 0;
    int m_j = 0;
};
