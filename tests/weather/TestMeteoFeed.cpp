#include "FeedServer.h"
#include "TestApp.h"
#include "weather/frmMeteo.h"

#include <QDir>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

namespace {

const QColor kPlaceholder(200, 0, 0);
const QColor kCondition(0, 160, 0);
const QColor kSkinPlaceholder(0, 0, 200);

const QString kParisRequest
    = QStringLiteral("GET /weather/local/FRXX0076?cc=*&prod=xoap&unit=m&par=4417093826&unit=1"
                     "&key=5c0e9b27d1f84a6390be72c4a8d15f03 HTTP/1.1");

void writePicture(const QString& path, const QColor& colour)
{
    QDir().mkpath(QFileInfo(path).path());
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path, "BMP"));
}

void writeText(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// One weather module in its own AppDir, fed by the shared local server.
struct Bench {
    TestApp app { false };
    frmMeteo meteo { app.context };

    explicit Bench(const FeedServer& server)
    {
        app.settings->save(QStringLiteral("WeatherServer"), server.authority());
        writePicture(app.appDir() + QStringLiteral("/images/na.bmp"), kPlaceholder);
        writePicture(app.appDir() + QStringLiteral("/images/30.bmp"), kCondition);
        meteo.ReadCity();
    }
    QString text(const char* name) const
    {
        auto* label = meteo.findChild<QLabel*>(QLatin1String(name));
        return label ? label->text() : QStringLiteral("<no such label>");
    }
    QStringList values() const
    {
        return { text("labTemperature"), text("labHumidite"), text("labRosee"), text("labPression"),
            text("labVent"), text("labVisibilite") };
    }
    QColor pictureColour() const
    {
        const QPixmap pixmap = meteo.findChild<QLabel*>(QStringLiteral("pictMeteo"))->pixmap();
        return pixmap.isNull() ? QColor() : pixmap.toImage().pixelColor(0, 0);
    }
    bool fetchAndWait(int timeoutMs = 5000)
    {
        QSignalSpy shown(&meteo, &frmMeteo::weatherShown);
        meteo.ConnectToWeather();
        return shown.count() > 0 || shown.wait(timeoutMs);
    }
};

const QStringList kWaiting = { "NC", "NC", "<n/a>", "<n/a>", "<n/a>", "<n/a>" };
const QStringList kNotAvailable = { "N/A", "N/A", "<n/a>", "<n/a>", "<n/a>", "<n/a>" };

} // namespace

class TestMeteoFeed : public QObject {
    Q_OBJECT
    FeedServer m_server;

private slots:
    void initTestCase() { QVERIFY2(m_server.start(), qPrintable(m_server.error())); }
    void init()
    {
        m_server.answer(200, FeedServer::fixture(QStringLiteral("current_conditions.xml")));
        m_server.forgetRequests();
        QLocale::setDefault(QLocale::c());
    }
    void cleanupTestCase() { m_server.stop(); }

    void full_document_shows_town_values_units_and_picture()
    {
        Bench bench(m_server);
        QSignalSpy shown(&bench.meteo, &frmMeteo::weatherShown);
        bench.meteo.ConnectToWeather();
        // The window never waits for the network: the waiting state shows meanwhile.
        QVERIFY(bench.meteo.isFetching());
        QCOMPARE(bench.values(), kWaiting);
        QCOMPARE(bench.text("labMeteoVille"), QStringLiteral(" Paris"));
        QCOMPARE(bench.text("labDate"), QStringLiteral("Mon 7 Mar 2005"));
        QCOMPARE(bench.pictureColour(), kPlaceholder);

        QVERIFY(shown.wait(5000));
        QCOMPARE(bench.values(),
            (QStringList { "12\u00b0C", "81%", "9\u00b0C", "1015.2 millibars", "SSW", "10.0 km" }));
        QCOMPARE(bench.pictureColour(), kCondition);
        QCOMPARE(m_server.requestLines(), QStringList { kParisRequest });
    }

    void failures_show_not_available_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("dropped");
        QTest::addColumn<bool>("refused");
        const QByteArray document = FeedServer::fixture(QStringLiteral("current_conditions.xml"));
        QByteArray oversized = document;
        while (oversized.size() <= 256 * 1024)
            oversized += "<!-- padding padding padding padding padding padding padding -->\n";
        QByteArray noTemperature = document;
        noTemperature.replace("<tmp>12</tmp>", "<tmp></tmp>");
        QTest::newRow("404 with a document") << 404 << document << false << false;
        QTest::newRow("500") << 500 << QByteArray("error\n") << false << false;
        QTest::newRow("empty body") << 200 << QByteArray() << false << false;
        QTest::newRow("document without tmp") << 200 << noTemperature << false << false;
        QTest::newRow("error document")
            << 200 << QByteArray("<error>\n<err type=\"0\">Invalid key</err>\n</error>\n") << false
            << false;
        QTest::newRow("body over 256 KiB") << 200 << oversized << false << false;
        QTest::newRow("connection dropped") << 200 << document << true << false;
        QTest::newRow("port refused") << 200 << document << false << true;
    }
    void failures_show_not_available()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(bool, dropped);
        QFETCH(bool, refused);
        m_server.answer(status, body);
        if (dropped)
            m_server.dropConnections();
        Bench bench(m_server);
        if (refused)
            bench.app.settings->save(QStringLiteral("WeatherServer"),
                QStringLiteral("127.0.0.1:%1").arg(FeedServer::closedPort()));
        QVERIFY(bench.fetchAndWait());
        QCOMPARE(bench.values(), kNotAvailable);
        QCOMPARE(bench.pictureColour(), kPlaceholder);
        QCOMPARE(bench.text("labMeteoVille"), QStringLiteral(" Paris"));
        QCOMPARE(bench.text("labDate"), QStringLiteral("Mon 7 Mar 2005"));
        QVERIFY(!bench.meteo.isFetching());
    }

    void server_that_never_answers_times_out()
    {
        m_server.hang();
        Bench bench(m_server);
        bench.meteo.setFetchTimeoutMs(400);
        QSignalSpy shown(&bench.meteo, &frmMeteo::weatherShown);
        bench.meteo.ConnectToWeather();
        QTRY_COMPARE(m_server.requestLines().size(), 1);
        QCOMPARE(bench.values(), kWaiting);
        QVERIFY(shown.wait(5000));
        QCOMPARE(bench.values(), kNotAvailable);
    }

    void running_fetch_is_not_started_twice_for_the_same_town()
    {
        m_server.hang();
        Bench bench(m_server);
        bench.meteo.ConnectToWeather();
        QTRY_COMPARE(m_server.requestLines().size(), 1);
        bench.meteo.ConnectToWeather();
        QTest::qWait(300);
        QCOMPARE(m_server.requestLines().size(), 1);
        QVERIFY(bench.meteo.isFetching());

        // Another town chosen meanwhile: its fetch replaces the one under way.
        m_server.answer(200, FeedServer::fixture(QStringLiteral("current_conditions.xml")));
        bench.app.settings->save(QStringLiteral("City"), QStringLiteral("0"));
        bench.meteo.ReadCity();
        QSignalSpy shown(&bench.meteo, &frmMeteo::weatherShown);
        bench.meteo.ConnectToWeather();
        QVERIFY(shown.wait(5000));
        QCOMPARE(shown.count(), 1);
        QTRY_COMPARE(m_server.requestLines().size(), 2);
        QVERIFY(m_server.requestLines().at(1).startsWith("GET /weather/local/FRXX0111?"));
        QCOMPARE(bench.text("labMeteoVille"), QStringLiteral(" Abbeville"));
        QCOMPARE(bench.text("labTemperature"), QStringLiteral("12\u00b0C"));
    }

    void offline_sends_nothing_and_keeps_the_display()
    {
        Bench bench(m_server);
        QVERIFY(bench.fetchAndWait());
        const QStringList shownValues = bench.values();
        bench.app.fakes.connection.connected = false;
        bench.app.fakes.clock.current = bench.app.fakes.clock.current.addDays(1);
        bench.meteo.ConnectToWeather();
        QTest::qWait(200);
        QCOMPARE(m_server.requestLines().size(), 1);
        QCOMPARE(bench.values(), shownValues);
        QCOMPARE(bench.text("labDate"), QStringLiteral("Mon 7 Mar 2005"));
    }

    void stored_city_chooses_the_town_fetched_data()
    {
        QTest::addColumn<QString>("city");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("town");
        QTest::newRow("first town fetches") << "0"
                                            << "FRXX0111"
                                            << " Abbeville";
        QTest::newRow("default") << ""
                                 << "FRXX0076"
                                 << " Paris";
        QTest::newRow("500 is paris") << "500"
                                      << "FRXX0076"
                                      << " Paris";
        QTest::newRow("negative is paris") << "-5"
                                           << "FRXX0076"
                                           << " Paris";
        QTest::newRow("last") << "388"
                              << "CAXX0301"
                              << " Ville de Montr\u00e9al";
    }
    void stored_city_chooses_the_town_fetched()
    {
        QFETCH(QString, city);
        QFETCH(QString, code);
        QFETCH(QString, town);
        Bench bench(m_server);
        if (!city.isEmpty())
            bench.app.settings->save(QStringLiteral("City"), city);
        bench.meteo.ReadCity();
        QVERIFY(bench.fetchAndWait());
        QCOMPARE(bench.text("labMeteoVille"), town);
        QCOMPARE(m_server.requestLines().size(), 1);
        QVERIFY2(m_server.requestLines().first().startsWith("GET /weather/local/" + code + "?"),
            qPrintable(m_server.requestLines().first()));
    }

    void picture_folder_follows_the_skin_flag_data()
    {
        QTest::addColumn<QString>("skinSetting"); // empty: never stored
        QTest::addColumn<QString>("skinFolder");
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<bool>("fromSkin");
        QTest::newRow("flag 1") << "givre"
                                << "givre" << QByteArray("[skin]\nUseImgMeteoSkin=1\n") << true;
        QTest::newRow("flag 0") << "givre"
                                << "givre" << QByteArray("[skin]\nUseImgMeteoSkin=0\n") << false;
        QTest::newRow("flag empty") << "givre"
                                    << "givre" << QByteArray("[skin]\nUseImgMeteoSkin=\n") << false;
        QTest::newRow("no ini") << "givre"
                                << "givre" << QByteArray() << false;
        QTest::newRow("unset skin means blue2006")
            << ""
            << "blue2006" << QByteArray("[Skin]\nuseimgmeteoskin=2\n") << true;
    }
    void picture_folder_follows_the_skin_flag()
    {
        QFETCH(QString, skinSetting);
        QFETCH(QString, skinFolder);
        QFETCH(QByteArray, ini);
        QFETCH(bool, fromSkin);
        Bench bench(m_server);
        const QString folder = bench.app.appDir() + "/skins/" + skinFolder + "/";
        if (!ini.isEmpty())
            writeText(folder + "skin.ini", ini);
        writePicture(folder + "weather/na.bmp", kSkinPlaceholder);
        if (!skinSetting.isEmpty())
            bench.app.settings->save(QStringLiteral("Skin"), skinSetting);
        bench.meteo.ResetWeatherDisplay();
        QCOMPARE(bench.meteo.weatherPictureFolder(),
            fromSkin ? folder + "weather/" : bench.app.appDir() + "/images/");
        QCOMPARE(bench.pictureColour(), fromSkin ? kSkinPlaceholder : kPlaceholder);
    }

    void missing_pictures_keep_the_one_shown_data()
    {
        QTest::addColumn<QByteArray>("iconLine");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("no file for the icon") << QByteArray("<icon>44</icon>") << kPlaceholder;
        QTest::newRow("no icon at all") << QByteArray() << kPlaceholder;
        QTest::newRow("icon 30") << QByteArray("<icon>30</icon>") << kCondition;
    }
    void missing_pictures_keep_the_one_shown()
    {
        QFETCH(QByteArray, iconLine);
        QFETCH(QColor, colour);
        QByteArray document = FeedServer::fixture(QStringLiteral("current_conditions.xml"));
        document.replace("<icon>30</icon>", iconLine);
        document.replace("<icon>25</icon>", "");
        m_server.answer(200, document);
        Bench bench(m_server);
        QVERIFY(bench.fetchAndWait());
        QCOMPARE(bench.text("labTemperature"), QStringLiteral("12\u00b0C"));
        QCOMPARE(bench.pictureColour(), colour);
    }

    void missing_elements_show_only_their_unit()
    {
        m_server.answer(200, "<cc>\n<tmp>-3</tmp>\n</cc>\n");
        Bench bench(m_server);
        QVERIFY(bench.fetchAndWait());
        QCOMPARE(
            bench.values(), (QStringList { "-3\u00b0C", "%", "\u00b0C", " millibars", "", " km" }));
    }

    void values_are_shown_as_plain_text()
    {
        m_server.answer(200, "<tmp><b>7</tmp>\n<t>a</t>\n<t><i>N</t>\n");
        Bench bench(m_server);
        QVERIFY(bench.fetchAndWait());
        QCOMPARE(bench.text("labTemperature"), QStringLiteral("<b>7\u00b0C"));
        for (const char* name : { "labTemperature", "labVent" })
            QCOMPARE(
                bench.meteo.findChild<QLabel*>(QLatin1String(name))->textFormat(), Qt::PlainText);
    }

    void date_is_written_in_the_users_language()
    {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        Bench bench(m_server);
        bench.meteo.ResetWeatherDisplay();
        QCOMPARE(bench.text("labDate"), QStringLiteral("lun. 7 mars 2005"));
    }

    void small_form_ends_below_the_picture()
    {
        Bench bench(m_server);
        const QWidget* picture = bench.meteo.findChild<QWidget*>(QStringLiteral("pictMeteo"));
        const QWidget* wind = bench.meteo.findChild<QWidget*>(QStringLiteral("labVent"));
        QCOMPARE(bench.meteo.layoutHeight(), double(wind->geometry().bottom() + 2));
        bench.meteo.setSmall(true);
        QCOMPARE(bench.meteo.layoutHeight(), double(picture->geometry().bottom() + 2));
        for (QWidget* child : bench.meteo.findChildren<QWidget*>())
            QVERIFY2(child->geometry().right() < 146, qPrintable(child->objectName()));
    }
};

QTEST_MAIN(TestMeteoFeed)
#include "TestMeteoFeed.moc"
