#include "TestApp.h"
#include "TestFiles.h"
#include "shell/PhotoSource.h"
#include "shell/SettingsKeys.h"
#include "shell/frmPhoto.h"

#include <QFile>
#include <QLabel>
#include <QTest>

namespace {

const QColor kRed(200, 30, 30);
const QColor kBlue(30, 30, 200);

} // namespace

class TestPhotoModule : public QObject {
    Q_OBJECT
private slots:
    void very_tall_picture_stops_at_twice_the_width()
    {
        QCOMPARE(PhotoSource::FittedSize(QSize(100, 1000), 138, 276), QSize(27, 276));
        QCOMPARE(PhotoSource::FittedSize(QSize(0, 0), 138, 276), QSize());
    }

    void display_photo_falls_back_data()
    {
        QTest::addColumn<QString>("photo"); // photo.*: a red picture, broken.jpg: not a picture
        QTest::addColumn<QString>("skin");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("expected"); // photo, the logo of a skin, or kept
        const auto row = [](const char* name, const char* photo, const char* skin,
                             const char* display, const char* expected) {
            QTest::newRow(name) << photo << skin << display << expected;
        };
        row("png_scaled_to_width", "photo.png", "default", "1", "photo");
        row("jpeg_scaled_to_width", "photo.jpg", "default", "1", "photo");
        row("no_photo_shows_skin_logo", "", "default", "1", "default");
        row("vanished_photo_shows_skin_logo", "gone.jpg", "default", "1", "default");
        row("undecodable_photo_keeps_picture", "broken.jpg", "default", "1", "kept");
        row("no_photo_nor_logo_keeps_picture", "", "no-such-skin", "1", "kept");
        row("module_off_changes_nothing", "photo.png", "default", "0", "kept");
    }
    void display_photo_falls_back()
    {
        QFETCH(QString, photo);
        QFETCH(QString, skin);
        QFETCH(QString, display);
        QFETCH(QString, expected);
        TestApp app;
        const QString kept = app.appDir() + QStringLiteral("/kept.png");
        writePicture(kept, QSize(138, 80), kBlue);
        app.settings->save(Keys::Photo, kept);
        frmPhoto module(app.context);
        module.DisplayPhoto();

        const QString path = photo.isEmpty() ? QString() : app.appDir() + QLatin1Char('/') + photo;
        if (photo.startsWith(QLatin1String("photo.")))
            writePicture(path, QSize(552, 200), kRed);
        if (photo == QLatin1String("broken.jpg"))
            writeBytes(path, "not a picture");
        app.settings->save(Keys::Photo, path);
        app.settings->save(Keys::Skin, skin);
        app.settings->save(Keys::DisplayPhoto, display);
        module.DisplayPhoto();

        const QImage shown
            = module.findChild<QLabel*>(QStringLiteral("imgPhoto"))->pixmap().toImage();
        const QColor centre = shown.pixelColor(shown.width() / 2, shown.height() / 2);
        if (expected == QLatin1String("photo")) {
            QCOMPARE(shown.size(), QSize(138, 50));
            QVERIFY2(qAbs(centre.red() - kRed.red()) < 8 && qAbs(centre.blue() - kRed.blue()) < 8,
                qPrintable(centre.name()));
            QCOMPARE(module.layoutHeight(), 60.0); // margins 4 and 6 around the picture
        } else if (expected == QLatin1String("kept")) {
            QCOMPARE(shown.size(), QSize(138, 80));
            QCOMPARE(centre, kBlue);
        } else {
            const QImage logo(TestApp::shippedDataDir() + QStringLiteral("/skins/") + expected
                + QStringLiteral("/tolvane_logo.bmp"));
            QVERIFY(!logo.isNull());
            QCOMPARE(shown.convertToFormat(logo.format()), logo);
        }
    }
};

QTEST_MAIN(TestPhotoModule)
#include "TestPhotoModule.moc"
