// Hexadecimal text and the cipher of the data files: decoding any text never fails, and a line
// enciphered then deciphered is the line the text codec reads back.
#include "FuzzSupport.h"
#include "common/CryptRC4.h"
#include "common/TextCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input = Fuzz::bytes(data, size);
    const QString asText = QString::fromLatin1(input);
    cCryptRC4::StringHexa2Bytes(asText);
    if (!input.isEmpty())
        FUZZ_CHECK(cCryptRC4::StringHexa2Bytes(cCryptRC4::Bytes2StringHexa(input)) == input);
    cCryptRC4::DecipherLine(asText);

    const QString line = TextCodec::decodeLine(input);
    FUZZ_CHECK(TextCodec::decodeLine(TextCodec::encodeLine(line)) == line);
    FUZZ_CHECK(cCryptRC4::DecipherLine(cCryptRC4::EncipherLine(line)) == line);
    cCryptRC4 encipher;
    cCryptRC4 decipher;
    encipher.Key(cCryptRC4::kFixedKey);
    decipher.Key(cCryptRC4::kFixedKey);
    FUZZ_CHECK(decipher.CryptBytes(encipher.CryptBytes(input)) == input);
    return 0;
}
