#include <QImage>
#include <QTest>

// The condition pictures ship complete, one set for the program and one for the skin that
// brings its own, each small enough for the module's picture box.
class TestWeatherPictures : public QObject {
    Q_OBJECT
private slots:
    void every_picture_is_shipped_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("program") << QStringLiteral("images");
        QTest::newRow("givre skin") << QStringLiteral("skins/givre/weather");
    }
    void every_picture_is_shipped()
    {
        QFETCH(QString, folder);
        const QString base = QString::fromLocal8Bit(qgetenv("TOLVANE_SOURCE_DIR")) + "/data/"
            + folder + QLatin1Char('/');
        QStringList names { QStringLiteral("na.bmp") };
        for (int code = 0; code < 48; ++code)
            names << QStringLiteral("%1.bmp").arg(code, 2, 10, QLatin1Char('0'));
        for (const QString& name : names) {
            const QImage image(base + name);
            QVERIFY2(!image.isNull(), qPrintable(base + name));
            QCOMPARE(image.size(), QSize(56, 56));
        }
    }
};

QTEST_GUILESS_MAIN(TestWeatherPictures)
#include "TestWeatherPictures.moc"
