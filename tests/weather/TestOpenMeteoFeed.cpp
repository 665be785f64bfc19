#include "FeedServer.h"
#include "TestApp.h"
#include "shell/SettingsKeys.h"
#include "weather/frmMeteo.h"

#include <QDir>
#include <QLabel>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

namespace {

const QColor kPlaceholder(200, 0, 0); // na.bmp
const QColor kPartlyCloudyDay(0, 160, 0); // 30.bmp
const QColor kClearNight(0, 0, 160); // 31.bmp

const QString kQuery = QStringLiteral(
    "&current=temperature_2m,relative_humidity_2m,dew_point_2m,pressure_msl,wind_speed_10m,"
    "wind_direction_10m,visibility,weather_code,is_day&temperature_unit=celsius"
    "&wind_speed_unit=kmh&timezone=auto HTTP/1.1");
const QString kParisRequest
    = QStringLiteral("GET /v1/forecast?latitude=48.85341&longitude=2.3488") + kQuery;
const QString kWaiting = QStringLiteral("NC|NC|<n/a>|<n/a>|<n/a>|<n/a>");
const QString kNotAvailable = QStringLiteral("N/A|N/A|<n/a>|<n/a>|<n/a>|<n/a>");
const char* const kValueLabels[]
    = { "labTemperature", "labHumidite", "labRosee", "labPression", "labVent", "labVisibilite" };

QByteArray fixture()
{
    QFile file(
        qEnvironmentVariable("TOLVANE_SOURCE_DIR") + "/tests/weather/current_openmeteo.json");
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writePicture(const QString& path, const QColor& colour)
{
    QDir().mkpath(QFileInfo(path).path());
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path, "BMP"));
}

QString closedPortAddress()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return QStringLiteral("http://127.0.0.1:%1/v1/forecast").arg(probe.serverPort());
}

// One weather module with the default source settings, the public service's address pointing
// at the local server.
struct Bench {
    TestApp app { false };
    frmMeteo meteo { app.context };

    explicit Bench(const FeedServer& server)
    {
        app.settings->save(Keys::OpenMeteoAddress,
            QStringLiteral("http://%1/v1/forecast").arg(server.authority()));
        writePicture(app.appDir() + QStringLiteral("/images/na.bmp"), kPlaceholder);
        writePicture(app.appDir() + QStringLiteral("/images/30.bmp"), kPartlyCloudyDay);
        writePicture(app.appDir() + QStringLiteral("/images/31.bmp"), kClearNight);
        meteo.ReadCity();
    }
    QString text(const char* name) const { return meteo.findChild<QLabel*>(name)->text(); }
    QString values() const // temperature|humidity|dew point|pressure|wind|visibility
    {
        QStringList shown;
        for (const char* name : kValueLabels)
            shown << text(name);
        return shown.join(QLatin1Char('|'));
    }
    QColor pictureColour() const
    {
        const QPixmap pixmap = meteo.findChild<QLabel*>(QStringLiteral("pictMeteo"))->pixmap();
        return pixmap.isNull() ? QColor() : pixmap.toImage().pixelColor(0, 0);
    }
    bool fetch()
    {
        QSignalSpy shown(&meteo, &frmMeteo::weatherShown);
        meteo.ConnectToWeather();
        return !shown.isEmpty() || shown.wait(5000); // an unusable address fails at once
    }
};

} // namespace

class TestOpenMeteoFeed : public QObject {
    Q_OBJECT
    FeedServer m_server;

private slots:
    void initTestCase() { QVERIFY(m_server.start()); }
    void init()
    {
        m_server.answer(200, fixture());
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    }

    void answer_is_shown_after_the_waiting_state_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("mode"); // of the server, or "refused": nothing listens
        QTest::addColumn<QString>("values");
        QTest::addColumn<QColor>("picture");
        const auto shows = [](const char* name, const QByteArray& body, const char* values,
                               const QColor& picture) {
            QTest::newRow(name) << 200 << body << QByteArray("answer") << QString::fromUtf8(values)
                                << picture;
        };
        const auto fails = [](const char* name, int status, const QByteArray& body,
                               const char* mode = "answer") {
            QTest::newRow(name) << status << body << QByteArray(mode) << kNotAvailable
                                << kPlaceholder;
        };
        const QByteArray full = fixture();
        QByteArray night = full, noVisibility = full, noTemperature = full;
        night.replace("\"weather_code\":2,\"is_day\":1", "\"weather_code\":0,\"is_day\":0");
        noVisibility.replace("\"visibility\":10000.0", "\"visibility\":null");
        noTemperature.replace("\"temperature_2m\":12.4,", "");
        const QByteArray error = "{\"error\":true,\"reason\":\"Cannot initialize WeatherVariable "
                                 "from invalid String\"}";
        shows("full document", full, "12\u00b0C|81%|9\u00b0C|1015.2 millibars|SSW|10.0 km",
            kPartlyCloudyDay);
        shows("clear night", night, "12\u00b0C|81%|9\u00b0C|1015.2 millibars|SSW|10.0 km",
            kClearNight);
        shows("missing value shows only its unit", noVisibility,
            "12\u00b0C|81%|9\u00b0C|1015.2 millibars|SSW| km", kPartlyCloudyDay);
        fails("no temperature", 200, noTemperature);
        fails("error object", 200, error);
        fails("error object with 400", 400, error);
        fails("malformed JSON", 200, full.left(full.size() / 2));
        fails("429 too many requests", 429, full);
        fails("500", 500, full);
        fails("body over 256 KiB", 200, full + QByteArray(256 * 1024, ' '));
        fails("connection dropped", 200, full, "close");
        fails("port refused", 200, full, "refused");
        fails("never answers: time-out", 200, full, "hang");
    }
    void answer_is_shown_after_the_waiting_state()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, mode);
        QFETCH(QString, values);
        QFETCH(QColor, picture);
        m_server.answer(status, body);
        m_server.setMode(mode);
        Bench bench(m_server);
        if (mode == "hang")
            bench.meteo.setFetchTimeoutMs(400);
        if (mode == "refused")
            bench.app.settings->save(Keys::OpenMeteoAddress, closedPortAddress());
        QSignalSpy shown(&bench.meteo, &frmMeteo::weatherShown);
        bench.meteo.ConnectToWeather();
        QCOMPARE(bench.values(), kWaiting);
        QCOMPARE(bench.pictureColour(), kPlaceholder);
        QVERIFY(shown.wait(5000));
        QCOMPARE(bench.values(), values);
        QCOMPARE(bench.pictureColour(), picture);
        QCOMPARE(bench.text("labMeteoVille"), QStringLiteral(" Paris"));
        QCOMPARE(bench.text("labMeteoDate"), QStringLiteral("lun. 7 mars 2005"));
        QStringList requests = m_server.requestLines();
        requests.removeDuplicates(); // Qt sends a GET once more when the connection drops
        QCOMPARE(requests, mode == "refused" ? QStringList() : QStringList { kParisRequest });
    }

    void request_carries_the_town_coordinates_data()
    {
        QTest::addColumn<int>("city");
        QTest::addColumn<QString>("coordinates");
        QTest::addColumn<QString>("town");
        QTest::newRow("first town") << 0 << "latitude=50.10521&longitude=1.83547"
                                    << " Abbeville";
        QTest::newRow("last town") << 388 << "latitude=45.50884&longitude=-73.58781"
                                   << " Ville de Montr\u00e9al";
        QTest::newRow("out of range is Paris") << 500 << "latitude=48.85341&longitude=2.3488"
                                               << " Paris";
    }
    void request_carries_the_town_coordinates()
    {
        QFETCH(int, city);
        QFETCH(QString, coordinates);
        QFETCH(QString, town);
        Bench bench(m_server);
        bench.app.settings->save(Keys::City, QString::number(city));
        bench.meteo.ReadCity();
        QVERIFY(bench.fetch());
        QCOMPARE(
            m_server.requestLines(), QStringList { "GET /v1/forecast?" + coordinates + kQuery });
        QCOMPARE(bench.text("labMeteoVille"), town);
    }

    void settings_choose_the_source_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("xmlServerNamed");
        QTest::addColumn<bool>("asksJson");
        QTest::newRow("default without a feed server") << "" << false << true;
        QTest::newRow("default with a feed server") << "" << true << false;
        QTest::newRow("public service chosen") << "openmeteo" << true << true;
        QTest::newRow("xml feed chosen") << "xoap" << true << false;
        QTest::newRow("xml feed chosen without a server") << "xoap" << false << false;
    }
    void settings_choose_the_source()
    {
        QFETCH(QString, source);
        QFETCH(bool, xmlServerNamed);
        QFETCH(bool, asksJson);
        Bench bench(m_server);
        if (!source.isEmpty())
            bench.app.settings->save(Keys::WeatherSource, source);
        if (xmlServerNamed)
            bench.app.settings->save(Keys::WeatherServer, m_server.authority());
        QVERIFY(bench.fetch());
        const QStringList requests = m_server.requestLines();
        if (asksJson) {
            QCOMPARE(requests, QStringList { kParisRequest });
            QCOMPARE(bench.meteo.toolTip(),
                QStringLiteral("Donn\u00e9es m\u00e9t\u00e9o : Open-Meteo.com"));
        } else {
            QVERIFY(bench.meteo.toolTip().isEmpty());
            QCOMPARE(requests.size(), xmlServerNamed ? 1 : 0);
            if (xmlServerNamed)
                QVERIFY(requests.first().startsWith("GET /weather/local/FRXX0076?"));
            QCOMPARE(bench.text("labTemperature"), QStringLiteral("N/A"));
        }
    }

    void offline_sends_nothing_and_keeps_the_display()
    {
        Bench bench(m_server);
        QVERIFY(bench.fetch());
        const QString display = bench.values() + bench.text("labMeteoDate");
        bench.app.fakes.connection.connected = false;
        bench.app.fakes.clock.current = bench.app.fakes.clock.current.addDays(1);
        bench.meteo.ConnectToWeather();
        QVERIFY(!bench.meteo.isFetching()); // nothing was sent
        QCOMPARE(m_server.requestLines().size(), 1);
        QCOMPARE(bench.values() + bench.text("labMeteoDate"), display);
    }

    void date_line_follows_the_injected_clock()
    {
        Bench bench(m_server);
        bench.app.fakes.clock.current = QDateTime(QDate(2031, 12, 24), QTime(23, 59));
        bench.meteo.ResetWeatherDisplay();
        QCOMPARE(bench.text("labMeteoDate"), QStringLiteral("mer. 24 d\u00e9c. 2031"));
    }
};

QTEST_MAIN(TestOpenMeteoFeed)
#include "TestOpenMeteoFeed.moc"
