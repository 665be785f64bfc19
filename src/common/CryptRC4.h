#pragma once

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

    // Each code in upper-case hexadecimal without leading zeros, followed by ";".
    static QString String2StringHexa(const QString& text);
    // The text a hexadecimal form stands for; empty pieces are skipped, a piece is read by its
    // leading hexadecimal digits (0 when none), and a value above 255 gives the empty text.
    static QString StringHexa2String(const QString& hexa);

    // Key with the fixed key, Crypt, then the hexadecimal form: one line of a data file.
    static QString EncipherLine(const QString& text);
    // The reverse of EncipherLine; empty for malformed hexadecimal text.
    static QString DecipherLine(const QString& hexa);

private:
    std::array<int, 256> m_S {};
    int m_i = 0;
    int m_j = 0;
};
