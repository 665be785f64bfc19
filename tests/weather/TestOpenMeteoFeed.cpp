#include "MeteoBench.h"
#include "shell/SettingsKeys.h"

#include <QSignalSpy>
#include <QTest>

using namespace MeteoBench;

namespace {

const QColor kPartlyCloudyDay(0, 160, 0); // 30.bmp
const QColor kClearNight(0, 0, 160); // 31.bmp

const QString kQuery = QStringLiteral(
    "&current=temperature_2m,relative_humidity_2m,dew_point_2m,pressure_msl,wind_speed_10m,"
    "wind_direction_10m,visibility,weather_code,is_day&temperature_unit=celsius"
    "&wind_speed_unit=kmh&timezone=auto HTTP/1.1");
const QString kParisRequest
    = QStringLiteral("GET /v1/forecast?latitude=48.85341&longitude=2.3488") + kQuery;

QByteArray fixture()
{
    QFile file(
        qEnvironmentVariable("TOLVANE_SOURCE_DIR") + "/tests/weather/current_openmeteo.json");
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The module with the default source settings, the public service's address pointing at the
// local server.
struct Bench : Module {
    explicit Bench(const FeedServer& server)
        : Module({ { "30.bmp", kPartlyCloudyDay }, { "31.bmp", kClearNight } })
    {
        app.settings->save(Keys::OpenMeteoAddress,
            QStringLiteral("http://%1/v1/forecast").arg(server.authority()));
        meteo.ReadCity();
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

    // The transport's failures (refused, dropped, time-out, oversized) are the XML feed's own
    // tests: the download is shared.
    void answer_is_shown_after_the_waiting_state_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("values");
        QTest::addColumn<QColor>("picture");
        const auto shows = [](const char* name, const QByteArray& body, const char* values,
                               const QColor& picture) {
            QTest::newRow(name) << 200 << body << QString::fromUtf8(values) << picture;
        };
        const auto fails = [](const char* name, int status, const QByteArray& body) {
            QTest::newRow(name) << status << body << kNotAvailable << kPlaceholder;
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
        fails("error object with 400", 400, error);
        fails("429 too many requests", 429, full);
    }
    void answer_is_shown_after_the_waiting_state()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QString, values);
        QFETCH(QColor, picture);
        m_server.answer(status, body);
        Bench bench(m_server);
        QSignalSpy shown(&bench.meteo, &frmMeteo::weatherShown);
        bench.meteo.ConnectToWeather();
        QCOMPARE(bench.values(), kWaiting);
        QCOMPARE(bench.pictureColour(), kPlaceholder);
        QVERIFY(shown.wait(5000));
        QCOMPARE(bench.values(), values);
        QCOMPARE(bench.pictureColour(), picture);
        QCOMPARE(bench.text("labMeteoVille"), QStringLiteral(" Paris"));
        QCOMPARE(bench.text("labMeteoDate"), QStringLiteral("lun. 7 mars 2005"));
        QCOMPARE(m_server.requestLines(), QStringList { kParisRequest });
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
