#include "TextCodec.h"

#include "Cp1252.h"

#include <QStringDecoder>

namespace TextCodec {

bool fitsCp1252(const QString& text)
{
    for (QChar c : text) {
        if (Cp1252::codeOf(c) == '?' && c != QLatin1Char('?'))
            return false;
    }
    return true;
}

static bool hasHighByte(const QByteArray& bytes)
{
    for (char b : bytes) {
        if (static_cast<unsigned char>(b) > 127)
            return true;
    }
    return false;
}

QByteArray encodeLine(const QString& line)
{
    if (fitsCp1252(line)) {
        const QByteArray bytes = Cp1252::encode(line);
        // Windows-1252 bytes that are also valid UTF-8 ("Ã©") would be read back as other
        // characters ("é"); such a line is written in UTF-8.
        if (!hasHighByte(bytes) || !QByteArrayView(bytes).isValidUtf8())
            return bytes;
    }
    return line.toUtf8();
}

QString decodeLine(const QByteArray& bytes)
{
    if (hasHighByte(bytes)) {
        QStringDecoder utf8(QStringDecoder::Utf8,
            QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        const QString text = utf8.decode(bytes);
        if (!utf8.hasError())
            return text;
    }
    return Cp1252::decode(bytes);
}

} // namespace TextCodec
