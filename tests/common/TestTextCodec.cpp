#include "DataRow.h"
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
        const QString emoji = QStringLiteral("coffre 🔐 clé");
        const QString mix = QStringLiteral("mot de passe ł ő é €");
        dataRow("empty", QString(), QByteArray());
        dataRow("question mark stays Windows-1252", "quoi ?", QByteArray("quoi ?"));
        dataRow("French accents", accents, cp(accents));
        dataRow("euro and the 0x80-0x9F row", euro, cp(euro));
        dataRow("emoji", emoji, utf8(emoji));
        dataRow("Polish and French mixed", mix, utf8(mix));
        const QString lookalike = QStringLiteral("Ã© Â£"); // Windows-1252 bytes valid as UTF-8
        dataRow("Windows-1252 text whose bytes read as UTF-8", lookalike, utf8(lookalike));
        dataRow("leading byte-order mark kept", QStringLiteral("\uFEFFa"),
            utf8(QStringLiteral("\uFEFFa")));
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
        dataRow("accented word", QByteArray("\xC9t\xE9 \xE0 No\xEBl"), "Été à Noël");
        dataRow("broken UTF-8 sequence", QByteArray("\xC3("), "Ã(");
        dataRow("euro byte", QByteArray("\x80 5"), "€ 5");
    }
    void windows1252_bytes_are_never_taken_for_utf8()
    {
        QFETCH(QByteArray, bytes);
        QTEST(TextCodec::decodeLine(bytes), "text");
    }

    // Windows-1252 lines are enciphered as the earlier versions did, other lines in UTF-8.
    void enciphered_line_keeps_every_character_data()
    {
        QTest::addColumn<QString>("line");
        dataRow("emoji", "banque;🔐;1234");
        dataRow("Windows-1252", "Noël;moi@example.fr;moi;été€;pop.example.fr;995");
        QByteArray all;
        for (int code = 0; code < 256; ++code)
            all.append(static_cast<char>(code));
        dataRow("all 256 codes", Cp1252::decode(all));
        dataRow("32767 accents", QString(32767, QChar(u'\u00E9')));
    }
    void enciphered_line_keeps_every_character()
    {
        QFETCH(QString, line);
        const QString hexa = cCryptRC4::EncipherLine(line);
        QVERIFY(!hexa.contains(QLatin1Char('\n')));
        QCOMPARE(cCryptRC4::DecipherLine(hexa), line);
        cCryptRC4 rc4;
        rc4.Key(cCryptRC4::kFixedKey);
        QCOMPARE(rc4.CryptBytes(cCryptRC4::StringHexa2Bytes(hexa)), TextCodec::encodeLine(line));
    }
};

QTEST_GUILESS_MAIN(TestTextCodec)
#include "TestTextCodec.moc"
