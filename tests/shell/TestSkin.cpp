#include "TestApp.h"
#include "TestFiles.h"
#include "shell/SettingsKeys.h"

#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <QtTest>

// A skin's colours and pictures, from the program's skins/ folder or the user's own.
class TestSkin : public QObject {
    Q_OBJECT

private slots:
    // The user's skins are offered beside the shipped ones, each name once; a user's copy of a
    // shipped skin is the one used, so it can be retouched.
    void skins_of_the_program_and_of_the_user()
    {
        TestApp app(false);
        const QString shipped = app.appDir() + QStringLiteral("/skins/");
        const QString own = app.context.userSkinsDir() + u'/';
        for (const QString& folder :
            { shipped + "default", shipped + "givre", own + "Perso", own + "default" })
            QVERIFY(QDir().mkpath(folder));
        QCOMPARE(Skin::SkinNames(app.context), QStringList({ "default", "givre", "Perso" }));
        const QList<std::pair<QString, QString>> folders { { QString(), own + "default/" },
            { "givre", shipped + "givre/" }, { "absent", shipped + "absent/" } };
        for (const auto& [setting, folder] : folders) {
            if (!setting.isEmpty()) // unset: the default skin
                app.settings->save(Keys::Skin, setting);
            QCOMPARE(Skin::SkinFolder(app.context, QString()), folder);
        }
    }

    void dense_picture_on_a_dense_screen_data()
    {
        QTest::addColumn<double>("ratio");
        QTest::addColumn<bool>("hasDense");
        QTest::addColumn<QSize>("pixels");
        QTest::newRow("ordinary screen") << 1.0 << true << QSize(16, 16);
        QTest::newRow("dense screen") << 2.0 << true << QSize(32, 32);
        QTest::newRow("dense screen, skin without dense pictures") << 2.0 << false << QSize(16, 16);
    }
    void dense_picture_on_a_dense_screen()
    {
        QFETCH(double, ratio);
        QFETCH(bool, hasDense);
        QFETCH(QSize, pixels);
        QTemporaryDir skin;
        writePicture(skin.filePath(QStringLiteral("button_about.bmp")), QSize(16, 16), Qt::red);
        if (hasDense)
            writePicture(
                skin.filePath(QStringLiteral("button_about@2x.bmp")), QSize(32, 32), Qt::blue);
        SkinImages images(skin.path() + u'/', ratio);
        const QPixmap picture = images.picture(QStringLiteral("button_about.bmp"));
        QCOMPARE(picture.size(), pixels);
        // Either way the control keeps the picture's size in the skin's own pixels.
        QCOMPARE(picture.deviceIndependentSize().toSize(), QSize(16, 16));
    }

    void colour_values_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("parsed");
        QTest::addColumn<quint32>("expected");
        QTest::newRow("red") << "255|0|0" << true << quint32(255);
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

    void skin_pictures_are_decoded_once_missing_ones_null_and_a_png_read_too()
    {
        QTemporaryDir dir;
        writePicture(dir.filePath(QStringLiteral("a.bmp")), QSize(4, 4), Qt::red);
        SkinImages images(dir.path() + QLatin1Char('/'));
        const QPixmap first = images.picture(QStringLiteral("a.bmp"));
        QVERIFY(!first.isNull());
        QFile::remove(dir.filePath(QStringLiteral("a.bmp")));
        QCOMPARE(images.picture(QStringLiteral("a.bmp")).cacheKey(), first.cacheKey());
        QVERIFY(images.picture(QStringLiteral("missing.bmp")).isNull());
        // A user's skin may hold a PNG under a BMP name.
        writePicture(dir.filePath(QStringLiteral("png.png")), QSize(4, 4), Qt::red);
        QVERIFY(QFile::rename(
            dir.filePath(QStringLiteral("png.png")), dir.filePath(QStringLiteral("png.bmp"))));
        QCOMPARE(images.picture(QStringLiteral("png.bmp")).toImage().pixelColor(1, 1), Qt::red);
    }
};

QTEST_MAIN(TestSkin)
#include "TestSkin.moc"
