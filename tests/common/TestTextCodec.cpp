#include "common/Cp1252.h"
#include "common/CryptRC4.h"
#include "common/TextCodec.h"

#include <QTest>

class TestTextCodec : public QObject {
    Q_OBJECT
private slots:
    void line_is_written_and_read_back_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QByteArray>("bytes");
        const auto utf8 = [](const QString& s) { return s.toUtf8(); };
        const auto cp = [](const QString& s) { return Cp1252::encode(s); };
        const QString accents = QStringLiteral("Créé à Noël, déjà ôté");
        const QString euro = QStringLiteral("Prix : 5 € – «ok» œ Š ™");
        const QString cyrillic = QStringLiteral("~/Документы");
        const QString greek = QStringLiteral("Σημείωση για αύριο");
        const QString cjk = QStringLiteral("会议记录");
        const QString emoji = QStringLiteral("coffre 🔐 clé");
        const QString mix = QStringLiteral("mot de passe ł ő é €");
        QTest::newRow("empty") << QString() << QByteArray();
        QTest::newRow("ascii") << QStringLiteral("pop.example.fr;110")
                               << QByteArray("pop.example.fr;110");
        QTest::newRow("question mark stays Windows-1252")
            << QStringLiteral("quoi ?") << QByteArray("quoi ?");
        QTest::newRow("French accents") << accents << cp(accents);
        QTest::newRow("euro and the 0x80-0x9F row") << euro << cp(euro);
        QTest::newRow("Cyrillic") << cyrillic << utf8(cyrillic);
        QTest::newRow("Greek") << greek << utf8(greek);
        QTest::newRow("CJK") << cjk << utf8(cjk);
        QTest::newRow("emoji") << emoji << utf8(emoji);
        QTest::newRow("Polish and French mixed") << mix << utf8(mix);
        const QString lookalike = QStringLiteral("Ã© Â£"); // Windows-1252 bytes valid as UTF-8
        QTest::newRow("Windows-1252 text whose bytes read as UTF-8")
            << lookalike << utf8(lookalike);
        QTest::newRow("leading byte-order mark kept")
            << QStringLiteral("\uFEFFa") << utf8(QStringLiteral("\uFEFFa"));
    }
    void line_is_written_and_read_back()
    {
        QFETCH(QString, line);
        QFETCH(QByteArray, bytes);
        QCOMPARE(TextCodec::encodeLine(line), bytes);
        QCOMPARE(TextCodec::decodeLine(bytes), line);
        QVERIFY(!TextCodec::encodeLine(line).contains('?') || line.contains(QLatin1Char('?')));
    }

    void windows1252_bytes_are_never_taken_for_utf8_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("é alone") << QByteArray("caf\xE9") << QStringLiteral("café");
        QTest::newRow("accented word")
            << QByteArray("\xC9t\xE9 \xE0 No\xEBl") << QStringLiteral("Été à Noël");
        QTest::newRow("broken UTF-8 sequence") << QByteArray("\xC3(") << QStringLiteral("Ã(");
        QTest::newRow("euro byte") << QByteArray("\x80 5") << QStringLiteral("€ 5");
    }
    void windows1252_bytes_are_never_taken_for_utf8()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(TextCodec::decodeLine(bytes), text);
    }

    void enciphered_line_keeps_every_character_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("Cyrillic") << QStringLiteral("Документы;мой пароль");
        QTest::newRow("emoji") << QStringLiteral("banque;🔐;1234");
        QTest::newRow("Polish password") << QStringLiteral("Maison;a@b.pl;jan;zażółć;pop.pl;110");
    }
    void enciphered_line_keeps_every_character()
    {
        QFETCH(QString, line);
        const QString hexa = cCryptRC4::EncipherLine(line);
        QCOMPARE(cCryptRC4::DecipherLine(hexa), line);
        cCryptRC4 rc4;
        rc4.Key(cCryptRC4::kFixedKey);
        QCOMPARE(rc4.CryptBytes(cCryptRC4::StringHexa2Bytes(hexa)), line.toUtf8());
    }

    void enciphered_windows1252_line_is_unchanged()
    {
        const QString line = QStringLiteral("Noël;moi@example.fr;moi;été€;pop.example.fr;995");
        cCryptRC4 rc4;
        rc4.Key(cCryptRC4::kFixedKey);
        QCOMPARE(cCryptRC4::EncipherLine(line), cCryptRC4::String2StringHexa(rc4.Crypt(line)));
    }
};

QTEST_GUILESS_MAIN(TestTextCodec)
#include "TestTextCodec.moc"
