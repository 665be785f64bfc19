#include "TestApp.h"
#include "shell/PhotoSource.h"
#include "shell/frmPhoto.h"

#include <QFile>
#include <QLabel>
#include <QTest>

namespace {

const QColor kRed(200, 30, 30);
const QColor kBlue(30, 30, 200);

QString writePicture(
    const QString& folder, const QString& name, const QSize& size, const QColor& colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = folder + QLatin1Char('/') + name;
    image.save(path);
    return path;
}

QImage shown(const frmPhoto& module)
{
    return module.findChild<QLabel*>(QStringLiteral("imgPhoto"))->pixmap().toImage();
}

QColor centreColour(const frmPhoto& module)
{
    const QImage image = shown(module);
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

QImage skinLogo(const QString& skin)
{
    return QImage(TestApp::shippedDataDir() + QStringLiteral("/skins/") + skin
        + QStringLiteral("/tolvane_logo.bmp"));
}

} // namespace

class TestPhotoModule : public QObject {
    Q_OBJECT
private slots:
    void fitted_size_data();
    void fitted_size();
    void no_photo_shows_the_skin_logo_data();
    void no_photo_shows_the_skin_logo();
    void photo_in_any_format_scaled_to_module_width_data();
    void photo_in_any_format_scaled_to_module_width();
    void changing_skin_without_photo_changes_the_logo();
    void undecodable_photo_keeps_the_picture();
    void missing_photo_and_logo_keep_the_picture();
    void module_switched_off_changes_nothing();
};

void TestPhotoModule::fitted_size_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("landscape_shrunk_to_width") << QSize(276, 100) << QSize(138, 50);
    QTest::newRow("small_picture_grown_to_width") << QSize(69, 50) << QSize(138, 100);
    QTest::newRow("square_full_width") << QSize(500, 500) << QSize(138, 138);
    QTest::newRow("very_tall_stops_at_twice_the_width") << QSize(100, 1000) << QSize(27, 276);
    QTest::newRow("thin_strip_keeps_one_pixel") << QSize(10000, 1) << QSize(138, 1);
    QTest::newRow("empty_picture") << QSize(0, 0) << QSize();
}

void TestPhotoModule::fitted_size()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, expected);
    QCOMPARE(PhotoSource::FittedSize(picture, 138, 276), expected);
}

void TestPhotoModule::no_photo_shows_the_skin_logo_data()
{
    QTest::addColumn<QString>("photoSetting");
    QTest::newRow("photo_empty") << QString();
    QTest::newRow("photo_file_gone") << QStringLiteral("/nonexistent/holiday.jpg");
}

void TestPhotoModule::no_photo_shows_the_skin_logo()
{
    QFETCH(QString, photoSetting);
    TestApp app;
    app.settings->save(QStringLiteral("Photo"), photoSetting);
    frmPhoto photo(app.context);
    photo.DisplayPhoto();

    const QImage logo = skinLogo(QStringLiteral("default"));
    QVERIFY(!logo.isNull());
    QCOMPARE(shown(photo).convertToFormat(logo.format()), logo);
    QCOMPARE(photo.layoutHeight(), 4.0 + logo.height() + 6.0);
}

void TestPhotoModule::photo_in_any_format_scaled_to_module_width_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("png") << QStringLiteral("photo.png");
    QTest::newRow("jpeg") << QStringLiteral("photo.jpg");
    QTest::newRow("bitmap") << QStringLiteral("photo.bmp");
}

void TestPhotoModule::photo_in_any_format_scaled_to_module_width()
{
    QFETCH(QString, fileName);
    TestApp app;
    const QString path = writePicture(app.appDir(), fileName, QSize(552, 200), kRed);
    app.settings->save(QStringLiteral("Photo"), path);
    frmPhoto photo(app.context);
    photo.DisplayPhoto();

    QCOMPARE(shown(photo).size(), QSize(138, 50));
    const QColor centre = centreColour(photo);
    QVERIFY2(qAbs(centre.red() - kRed.red()) < 8 && qAbs(centre.blue() - kRed.blue()) < 8,
        qPrintable(centre.name()));
    QCOMPARE(photo.layoutHeight(), 60.0);
}

void TestPhotoModule::changing_skin_without_photo_changes_the_logo()
{
    TestApp app;
    frmPhoto photo(app.context);
    photo.DisplayPhoto();
    app.settings->save(QStringLiteral("Skin"), QStringLiteral("givre"));
    photo.DisplayPhoto();

    const QImage logo = skinLogo(QStringLiteral("givre"));
    QCOMPARE(shown(photo).convertToFormat(logo.format()), logo);
}

void TestPhotoModule::undecodable_photo_keeps_the_picture()
{
    TestApp app;
    app.settings->save(QStringLiteral("Photo"),
        writePicture(app.appDir(), QStringLiteral("a.png"), QSize(138, 80), kRed));
    frmPhoto photo(app.context);
    photo.DisplayPhoto();

    QFile broken(app.appDir() + QStringLiteral("/broken.jpg"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture at all");
    broken.close();
    app.settings->save(QStringLiteral("Photo"), broken.fileName());
    photo.DisplayPhoto();

    QCOMPARE(centreColour(photo), kRed);
    QCOMPARE(shown(photo).size(), QSize(138, 80));
}

void TestPhotoModule::missing_photo_and_logo_keep_the_picture()
{
    TestApp app;
    app.settings->save(QStringLiteral("Photo"),
        writePicture(app.appDir(), QStringLiteral("a.png"), QSize(138, 80), kBlue));
    frmPhoto photo(app.context);
    photo.DisplayPhoto();

    app.settings->save(QStringLiteral("Photo"), QString());
    app.settings->save(QStringLiteral("Skin"), QStringLiteral("no-such-skin"));
    photo.DisplayPhoto();

    QCOMPARE(centreColour(photo), kBlue);
}

void TestPhotoModule::module_switched_off_changes_nothing()
{
    TestApp app;
    app.settings->save(QStringLiteral("DisplayPhoto"), QStringLiteral("0"));
    frmPhoto photo(app.context);
    photo.DisplayPhoto();

    QVERIFY(shown(photo).isNull());
    QCOMPARE(photo.layoutHeight(), double(photo.designedHeight()));
}

QTEST_MAIN(TestPhotoModule)
#include "TestPhotoModule.moc"
