#include "common/Cp1252.h"
#include "common/CryptRC4.h"

#include <QTest>

class TestCryptRC4 : public QObject {
    Q_OBJECT

    static QString fromCodes(std::initializer_list<int> codes)
    {
        QByteArray bytes;
        for (int code : codes)
            bytes.append(static_cast<char>(code));
        return Cp1252::decode(bytes);
    }

private slots:
    void crypt_matches_published_vectors_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QByteArray>("cipherHex");
        QTest::newRow("Key/Plaintext") << "Key"
                                       << "Plaintext" << QByteArray("BBF316E8D940AF0AD3");
        QTest::newRow("Wiki/pedia") << "Wiki"
                                    << "pedia" << QByteArray("1021BF0420");
        QTest::newRow("Secret/Attack at dawn")
            << "Secret"
            << "Attack at dawn" << QByteArray("45A01F645FC35B383552544B9BF5");
    }
    void crypt_matches_published_vectors()
    {
        QFETCH(QString, key);
        QFETCH(QString, plain);
        QFETCH(QByteArray, cipherHex);
        cCryptRC4 rc4;
        rc4.Key(key);
        QCOMPARE(Cp1252::encode(rc4.Crypt(plain)).toHex().toUpper(), cipherHex);
    }

    void crypt_without_key_continues_the_stream()
    {
        cCryptRC4 whole;
        whole.Key(QStringLiteral("Key"));
        const QString joined = whole.Crypt(QStringLiteral("Plaintext"));
        cCryptRC4 pieces;
        pieces.Key(QStringLiteral("Key"));
        QString parts = pieces.Crypt(QStringLiteral("Pl"));
        parts += pieces.Crypt(QString());
        parts += pieces.Crypt(QStringLiteral("aintext"));
        QCOMPARE(parts, joined);
    }

    void key_restarts_the_stream_for_decrypt()
    {
        const QString text = fromCodes({ 0, ';', '\r', '\n', 233, 128, 'x' });
        cCryptRC4 rc4;
        rc4.Key(cCryptRC4::kFixedKey);
        const QString secret = rc4.Crypt(text);
        QCOMPARE(secret.size(), text.size());
        rc4.Key(cCryptRC4::kFixedKey);
        QCOMPARE(rc4.Decrypt(secret), text);
    }

    void character_outside_code_page_counts_as_question_mark()
    {
        cCryptRC4 a, b;
        a.Key(QStringLiteral("k"));
        b.Key(QStringLiteral("k"));
        QCOMPARE(a.Crypt(QStringLiteral("\u4E2D")), b.Crypt(QStringLiteral("?")));
        QCOMPARE(
            cCryptRC4::String2StringHexa(QStringLiteral("\u20AC\u4E2D")), QStringLiteral("80;3F;"));
    }

    void fixed_key_is_sixteen_code_page_characters()
    {
        QCOMPARE(cCryptRC4::kFixedKey.size(), 16);
        QCOMPARE(Cp1252::encode(cCryptRC4::kFixedKey).at(12), char(0xA7));
    }

    void hexa_form_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("hexa");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("abc") << "abc"
                             << "61;62;63;";
        QTest::newRow("one and two digits") << fromCodes({ 0, 10, 233, 255 }) << "0;A;E9;FF;";
    }
    void hexa_form()
    {
        QFETCH(QString, text);
        QFETCH(QString, hexa);
        QCOMPARE(cCryptRC4::String2StringHexa(text), hexa);
        QCOMPARE(cCryptRC4::StringHexa2String(hexa), text);
    }

    void hexa_reading_edge_cases_data()
    {
        QTest::addColumn<QString>("hexa");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty piece skipped") << "61;;62"
                                             << "ab";
        QTest::newRow("no final separator") << "61;62"
                                            << "ab";
        QTest::newRow("above 255 gives empty") << "61;1FF;" << QString();
        QTest::newRow("empty input") << QString() << QString();
        QTest::newRow("leading zero") << "0A;" << fromCodes({ 10 });
        QTest::newRow("lower case") << "6a;"
                                    << "j";
        QTest::newRow("no separator at all") << "41"
                                             << "A";
        QTest::newRow("leading digits only") << "41zz;4G;" << fromCodes({ 0x41, 4 });
        QTest::newRow("no digit reads as 0") << "x;" << fromCodes({ 0 });
        QTest::newRow("leading zeros then value") << "00041;"
                                                  << "A";
    }
    void hexa_reading_edge_cases()
    {
        QFETCH(QString, hexa);
        QFETCH(QString, text);
        QCOMPARE(cCryptRC4::StringHexa2String(hexa), text);
    }

    void all_256_codes_survive_cipher_and_hexa()
    {
        QByteArray bytes;
        for (int code = 0; code < 256; ++code)
            bytes.append(static_cast<char>(code));
        const QString text = Cp1252::decode(bytes);
        const QString line = cCryptRC4::EncipherLine(text);
        QVERIFY(!line.contains(QLatin1Char('\n')));
        QCOMPARE(line.count(QLatin1Char(';')), 256);
        QCOMPARE(cCryptRC4::DecipherLine(line), text);
        QCOMPARE(cCryptRC4::StringHexa2String(cCryptRC4::String2StringHexa(text)), text);
    }

    void long_text_round_trips()
    {
        const QString text = QString(32767, QChar(u'\u00E9'));
        QCOMPARE(cCryptRC4::DecipherLine(cCryptRC4::EncipherLine(text)), text);
    }
};

QTEST_GUILESS_MAIN(TestCryptRC4)
#include "TestCryptRC4.moc"
