#include "CryptRC4.h"

#include "Cp1252.h"
#include "TextCodec.h"

#include <QStringList>

#include <utility>

const QString cCryptRC4::kFixedKey = QStringLiteral("~[%!|/274=?.\u00A7*kq");

void cCryptRC4::Key(const QString& key)
{
    for (int n = 0; n < 256; ++n)
        m_S[n] = n;
    const QByteArray codes = Cp1252::encode(key);
    if (!codes.isEmpty()) {
        int j = 0;
        for (int n = 0; n < 256; ++n) {
            j = (j + m_S[n] + static_cast<unsigned char>(codes[n % codes.size()])) & 255;
            std::swap(m_S[n], m_S[j]);
        }
    }
    m_i = 0;
    m_j = 0;
}

QByteArray cCryptRC4::CryptBytes(QByteArray bytes)
{
    for (char& code : bytes) {
        m_i = (m_i + 1) & 255;
        m_j = (m_j + m_S[m_i]) & 255;
        std::swap(m_S[m_i], m_S[m_j]);
        const int k = m_S[(m_S[m_i] + m_S[m_j]) & 255];
        code = static_cast<char>(static_cast<unsigned char>(code) ^ k);
    }
    return bytes;
}

QString cCryptRC4::Crypt(const QString& text)
{
    return Cp1252::decode(CryptBytes(Cp1252::encode(text)));
}

QString cCryptRC4::Bytes2StringHexa(const QByteArray& bytes)
{
    QString hexa;
    hexa.reserve(bytes.size() * 3);
    for (char b : bytes) {
        hexa += QString::number(static_cast<unsigned char>(b), 16).toUpper();
        hexa += QLatin1Char(';');
    }
    return hexa;
}

// The value of the leading run of hexadecimal digits, 0 when there is none; -1 above 255.
static int leadingHexValue(QStringView piece)
{
    int value = 0;
    for (QChar c : piece) {
        const int digit
            = c.unicode() < 0x80 ? QStringLiteral("0123456789abcdef").indexOf(c.toLower()) : -1;
        if (digit < 0)
            break;
        value = value * 16 + digit;
        if (value > 255)
            return -1;
    }
    return value;
}

QByteArray cCryptRC4::StringHexa2Bytes(const QString& hexa)
{
    QByteArray codes;
    for (QStringView piece : QStringView(hexa).split(QLatin1Char(';'))) {
        if (piece.isEmpty())
            continue;
        const int value = leadingHexValue(piece);
        if (value < 0)
            return QByteArray();
        codes.append(static_cast<char>(value));
    }
    return codes;
}

QString cCryptRC4::EncipherLine(const QString& text)
{
    cCryptRC4 rc4;
    rc4.Key(kFixedKey);
    return Bytes2StringHexa(rc4.CryptBytes(TextCodec::encodeLine(text)));
}

QString cCryptRC4::DecipherLine(const QString& hexa)
{
    cCryptRC4 rc4;
    rc4.Key(kFixedKey);
    return TextCodec::decodeLine(rc4.CryptBytes(StringHexa2Bytes(hexa)));
}
