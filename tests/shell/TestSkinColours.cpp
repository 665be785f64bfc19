#include "TestFiles.h"
#include "shell/Skin.h"

#include <QTemporaryDir>
#include <QtTest>

class TestSkinColours : public QObject {
    Q_OBJECT
private slots:
    void colour_values_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("parsed");
        QTest::addColumn<quint32>("expected");
        QTest::newRow("red") << "255|0|0" << true << quint32(255);
        QTest::newRow("white") << "255|255|255" << true << quint32(0xFFFFFF);
        QTest::newRow("blue is the high byte") << "0|0|1" << true << quint32(65536);
        QTest::newRow("component over 255 clamps") << "300|0|0" << true << quint32(255);
        QTest::newRow("two parts keep the old colour") << "1|2" << false << quint32(0x123456);
        QTest::newRow("extra parts ignored") << "1|2|3|4" << true << quint32(1 + 512 + 3 * 65536);
        QTest::newRow("blanks and text") << " 10 | 2x |abc" << true << quint32(10 + 512);
        QTest::newRow("negative counts as 0") << "-5|0|0" << true << quint32(0);
    }
    void colour_values()
    {
        QFETCH(QString, text);
        quint32 colour = 0x123456;
        QTEST(Skin::ParseSkinColor(text, colour), "parsed");
        QTEST(colour, "expected");
    }

    void skin_ini_sets_flag_and_colours_and_missing_keys_turn_black()
    {
        QTemporaryDir dir;
        writeBytes(dir.filePath(QStringLiteral("skin.ini")),
            "[Skin]\nUseImgMeteoSkin=1\n[COLORS]\nTextDark=255|0|0\nTextError=1|2\n");
        SkinState state;
        state.colorTextLight = 77;
        state.colorTextError = 99;
        Skin::ReadSkinIni(dir.path() + QLatin1Char('/'), state);
        QVERIFY(state.useImgMeteoSkin);
        QCOMPARE(state.textDark(), QColor(255, 0, 0));
        QCOMPARE(state.colorTextLight, quint32(0)); // missing key: default 0|0|0
        QCOMPARE(state.colorTextError, quint32(99)); // two parts: kept

        Skin::ReadSkinIni(QStringLiteral("/nonexistent/skin/"), state);
        QVERIFY(!state.useImgMeteoSkin); // no skin.ini: every key takes its default
        QCOMPARE(state.colorTextDark, quint32(0));
    }

    void skin_pictures_are_decoded_once_and_missing_ones_are_null()
    {
        QTemporaryDir dir;
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(dir.filePath(QStringLiteral("a.bmp"))));
        SkinImages images(dir.path() + QLatin1Char('/'));
        const QPixmap first = images.picture(QStringLiteral("a.bmp"));
        QVERIFY(!first.isNull());
        QFile::remove(dir.filePath(QStringLiteral("a.bmp")));
        QCOMPARE(images.picture(QStringLiteral("a.bmp")).cacheKey(), first.cacheKey());
        QVERIFY(images.picture(QStringLiteral("missing.bmp")).isNull());
    }
};

QTEST_MAIN(TestSkinColours)
#include "TestSkinColours.moc"
