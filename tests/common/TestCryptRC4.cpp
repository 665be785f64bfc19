#include "DataRow.h"
#include "common/Cp1252.h"
#include "common/CryptRC4.h"

#include <QTest>

static QString fromCodes(std::initializer_list<int> codes)
{
    QByteArray bytes;
    for (int code : codes)
        bytes.append(static_cast<char>(code));
    return Cp1252::decode(bytes);
}

class TestCryptRC4 : public QObject {
    Q_OBJECT
private slots:
    void crypt_matches_published_vectors_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QByteArray>("cipherHex");
        dataRow("Key", "Key", "Plaintext", QByteArray("BBF316E8D940AF0AD3"));
        dataRow("Wiki", "Wiki", "pedia", QByteArray("1021BF0420"));
        dataRow("Secret", "Secret", "Attack at dawn", QByteArray("45A01F645FC35B383552544B9BF5"));
    }
    void crypt_matches_published_vectors()
    {
        QFETCH(QString, key);
        QFETCH(QString, plain);
        cCryptRC4 rc4;
        rc4.Key(key);
        QTEST(Cp1252::encode(rc4.Crypt(plain)).toHex().toUpper(), "cipherHex");
    }

    void hexa_form_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("hexa");
        QTest::addColumn<QString>("ways"); // "w" written, "r" read, "wr" both
        const auto row
            = [](const char* name, const QString& text, const char* hexa, const char* ways) {
                  QTest::newRow(name) << text << QString(hexa) << QString(ways);
              };
        row("empty", QString(), "", "wr");
        row("one and two digits", fromCodes({ 0, 10, 233, 255 }), "0;A;E9;FF;", "wr");
        row("outside code page", "\u20AC\u4E2D", "80;3F;", "w");
        row("empty piece skipped", "ab", "61;;62", "r");
        row("no final separator", "ab", "61;62", "r");
        row("above 255 gives empty", QString(), "61;1FF;", "r");
        row("lower case, leading zeros", "jA", "6a;00041;", "r");
        row("leading digits only", fromCodes({ 0x41, 4 }), "41zz;4G;", "r");
        row("no digit reads as 0", fromCodes({ 0 }), "x;", "r");
    }
    void hexa_form()
    {
        QFETCH(QString, text);
        QFETCH(QString, hexa);
        QFETCH(QString, ways);
        if (ways.contains(QLatin1Char('w')))
            QCOMPARE(cCryptRC4::Bytes2StringHexa(Cp1252::encode(text)), hexa);
        if (ways.contains(QLatin1Char('r')))
            QCOMPARE(Cp1252::decode(cCryptRC4::StringHexa2Bytes(hexa)), text);
    }
};

QTEST_GUILESS_MAIN(TestCryptRC4)
#include "TestCryptRC4.moc"
