// skin.ini and other ini files: any bytes, any section and key asked for.
#include "FuzzSupport.h"
#include "shell/IniReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input = Fuzz::bytes(data, size);
    const QList<QByteArray> part = Fuzz::parts(input, 3); // section, key, file
    const QString section = QString::fromLatin1(part[0]);
    const QString key = QString::fromLatin1(part[1]);
    const QString path = Fuzz::folder().filePath(QStringLiteral("skin.ini"));
    Fuzz::writeFile(path, part[2]);
    const QString fromFile = IniReader::ReadIniString(path, section, key, QStringLiteral("def"));
    FUZZ_CHECK(fromFile.size() <= 1023 || fromFile == QStringLiteral("def"));
    const QString fromText
        = IniReader::ReadIniText(QString::fromLatin1(part[2]), section, key, QString());
    FUZZ_CHECK(fromText.size() <= 1023);
    return 0;
}
