#include "MeteoBench.h"
#include "shell/SettingsKeys.h"
#include "shell/Skin.h"
#include "weather/FeedDownload.h"

#include <QSignalSpy>
#include <QTest>

using namespace MeteoBench;

namespace {

const QColor kCondition(0, 160, 0); // 30.bmp
const QColor kZero(160, 160, 0); // 00.bmp
const QColor kSkinPlaceholder(0, 0, 200);

const QString kParisRequest
    = QStringLiteral("GET /weather/local/FRXX0076?cc=*&prod=xoap&unit=m&par=4417093826&unit=1"
                     "&key=5c0e9b27d1f84a6390be72c4a8d15f03 HTTP/1.1");
// Far above what a closed connection lets through, far below what an endless read takes in.
constexpr qint64 kMaxFloodBytes = 24 * 1024 * 1024;

const QColor kClearNight(0, 0, 160); // 31.bmp

const QString kQuery = QStringLiteral(
    "&current=temperature_2m,relative_humidity_2m,dew_point_2m,pressure_msl,wind_speed_10m,"
    "wind_direction_10m,visibility,weather_code,is_day&temperature_unit=celsius"
    "&wind_speed_unit=kmh&timezone=auto HTTP/1.1");
const QString kOpenParisRequest
    = QStringLiteral("GET /v1/forecast?latitude=48.85341&longitude=2.3488") + kQuery;

QByteArray openMeteoFixture()
{
    QFile file(
        qEnvironmentVariable("TOLVANE_SOURCE_DIR") + "/tests/weather/current_openmeteo.json");
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The module asking the local server for the XML feed or, with json, as the open data service
// (the source when no feed server is named).
struct Bench : Module {
    explicit Bench(const FeedServer& server, bool json = false)
        : Module({ { "30.bmp", kCondition }, { "00.bmp", kZero }, { "31.bmp", kClearNight } })
    {
        if (json)
            app.settings->save(Keys::OpenMeteoAddress,
                QStringLiteral("http://%1/v1/forecast").arg(server.authority()));
        else
            app.settings->save(Keys::WeatherServer, server.authority());
        meteo.ReadCity();
    }
};

} // namespace

// The weather module fed by a local server, as the XML feed and as the open data service.
class TestMeteoFeed : public QObject {
    Q_OBJECT
    FeedServer m_server;

private slots:
    void initTestCase() { QVERIFY(m_server.start()); }
    void init()
    {
        m_server.answer(200, FeedServer::fixture());
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    }

    // The transport is shared by both sources: its failures (refused, dropped, time-out,
    // oversized) are shown through the XML feed.
    void answer_is_shown_after_the_waiting_state_data()
    {
        QTest::addColumn<bool>("json");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("mode"); // of the server, or "refused": nothing listens
        QTest::addColumn<QString>("values");
        QTest::addColumn<QColor>("picture");
        bool json = false;
        const auto shows = [&json](const char* name, const QByteArray& body, const char* values,
                               const QColor& picture) {
            QTest::newRow(name) << json << 200 << body << QByteArray("answer")
                                << QString::fromUtf8(values) << picture;
        };
        const auto fails = [&json](const char* name, int status, const QByteArray& body,
                               const char* mode = "answer") {
            QTest::newRow(name) << json << status << body << QByteArray(mode) << kNotAvailable
                                << kPlaceholder;
        };
        const QByteArray full = FeedServer::fixture();
        const char* fullValues = "12\u00b0C|81%|9\u00b0C|1015.2 millibars|SSW|10.0 km";
        const char* onlyUnits = "1\u00b0C|%|\u00b0C| millibars|| km";
        QByteArray noIcon = full, noTemperature = full;
        noIcon.replace("<icon>30</icon>", "").replace("<icon>25</icon>", "");
        noTemperature.replace("<tmp>12</tmp>", "<tmp></tmp>");
        shows("full document", full, fullValues, kCondition); // the first icon, not the moon's 25
        shows("no icon keeps the placeholder", noIcon, fullValues, kPlaceholder);
        shows("missing elements show only their unit", "<tmp>1</tmp>\n", onlyUnits, kPlaceholder);
        shows("icon without a picture", "<tmp>1</tmp>\n<icon>44</icon>\n", onlyUnits, kPlaceholder);
        shows("non-numeric icon is 00", "<tmp>1</tmp>\n<icon>na</icon>\n", onlyUnits, kZero);
        shows("markup is plain text", "<tmp><b>7</tmp>\n<t>a</t>\n<t><i>N</t>\n",
            "<b>7\u00b0C|%|\u00b0C| millibars|<i>N| km", kPlaceholder);
        fails("404 with a document", 404, full);
        fails("500", 500, "error\n");
        fails("empty body", 200, "");
        fails("document without tmp", 200, noTemperature);
        fails("error document", 200, "<error>\n<err type=\"0\">Invalid key</err>\n</error>\n");
        fails("body over 256 KiB", 200, full + QByteArray(256 * 1024, ' ') + "\n");
        fails("connection dropped", 200, full, "close");
        fails("port refused", 200, full, "refused");
        fails("never answers: time-out", 200, full, "hang");

        json = true;
        const QByteArray open = openMeteoFixture();
        QByteArray night = open, noVisibility = open, noOpenTemperature = open;
        night.replace("\"weather_code\":2,\"is_day\":1", "\"weather_code\":0,\"is_day\":0");
        noVisibility.replace("\"visibility\":10000.0", "\"visibility\":null");
        noOpenTemperature.replace("\"temperature_2m\":12.4,", "");
        const QByteArray error = "{\"error\":true,\"reason\":\"Cannot initialize WeatherVariable "
                                 "from invalid String\"}";
        shows("open data: full document", open, fullValues, kCondition);
        shows("open data: clear night", night, fullValues, kClearNight);
        shows("open data: missing value shows only its unit", noVisibility,
            "12\u00b0C|81%|9\u00b0C|1015.2 millibars|SSW| km", kCondition);
        fails("open data: no temperature", 200, noOpenTemperature);
        fails("open data: error object with 400", 400, error);
        fails("open data: 429 too many requests", 429, open);
    }
    void answer_is_shown_after_the_waiting_state()
    {
        QFETCH(bool, json);
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, mode);
        QFETCH(QString, values);
        QFETCH(QColor, picture);
        m_server.answer(status, body);
        m_server.setMode(mode);
        Bench bench(m_server, json);
        if (mode == "hang")
            bench.meteo.setFetchTimeoutMs(400);
        if (mode == "refused")
            bench.app.settings->save(
                Keys::WeatherServer, QStringLiteral("127.0.0.1:%1").arg(closedPort()));
        QSignalSpy shown(&bench.meteo, &frmMeteo::weatherShown);
        bench.meteo.ConnectToWeather();
        // The window never waits for the network: the waiting state shows meanwhile.
        QCOMPARE(bench.values(), kWaiting);
        QCOMPARE(bench.pictureColour(), kPlaceholder);
        QVERIFY(shown.wait(5000));
        QCOMPARE(bench.values(), values);
        QCOMPARE(bench.pictureColour(), picture);
        QCOMPARE(bench.text("labMeteoVille"), QStringLiteral(" Paris"));
        QCOMPARE(bench.text("labMeteoDate"), QStringLiteral("lun. 7 mars 2005"));
        QVERIFY(!bench.meteo.isFetching());
        QStringList requests = m_server.requestLines();
        requests.removeDuplicates(); // Qt sends a GET once more when the connection drops
        QCOMPARE(requests,
            mode == "refused" ? QStringList()
                              : QStringList { json ? kOpenParisRequest : kParisRequest });
        for (const char* name : kValueLabels)
            QCOMPARE(bench.meteo.findChild<QLabel*>(name)->textFormat(), Qt::PlainText);
    }

    void running_fetch_is_not_started_twice_for_the_same_town()
    {
        m_server.setMode("hang");
        Bench bench(m_server);
        bench.meteo.ConnectToWeather();
        QTRY_COMPARE(m_server.requestLines().size(), 1);
        bench.meteo.ConnectToWeather(); // a second request would be the second line below
        QVERIFY(bench.meteo.isFetching());

        // Another town chosen meanwhile: its fetch replaces the one under way.
        m_server.setMode("answer");
        bench.app.settings->save(Keys::City, QStringLiteral("0"));
        bench.meteo.ReadCity();
        QSignalSpy shown(&bench.meteo, &frmMeteo::weatherShown);
        bench.meteo.ConnectToWeather();
        QVERIFY(shown.wait(5000));
        QCOMPARE(shown.count(), 1);
        QCOMPARE(m_server.requestLines().size(), 2);
        QCOMPARE(bench.text("labMeteoVille"), QStringLiteral(" Abbeville"));
        QCOMPARE(bench.text("labTemperature"), QStringLiteral("12\u00b0C"));
    }

    void header_that_never_ends_is_dropped_at_the_time_out_and_the_next_fetch_goes_out()
    {
        m_server.setMode("dribble");
        Bench bench(m_server);
        bench.meteo.setFetchTimeoutMs(2500);
        QSignalSpy shown(&bench.meteo, &frmMeteo::weatherShown);
        bench.meteo.ConnectToWeather();
        QVERIFY(shown.wait(8000));
        QCOMPARE(bench.values(), kNotAvailable);
        // The transfer really ends: the server sees its connection closed at its next byte,
        // so nothing more is read and kept.
        QTRY_COMPARE_WITH_TIMEOUT(m_server.closedDribbles(), 1, 5000);

        m_server.answer(200, FeedServer::fixture());
        bench.meteo.ConnectToWeather();
        QVERIFY(shown.wait(5000));
        QCOMPARE(m_server.requestLines(), QStringList { kParisRequest });
        QCOMPARE(bench.text("labTemperature"), QStringLiteral("12\u00b0C"));
    }

    void header_flood_is_cut_at_once_and_every_later_fetch_goes_out()
    {
        Bench bench(m_server);
        bench.meteo.setFetchTimeoutMs(2500);
        QSignalSpy shown(&bench.meteo, &frmMeteo::weatherShown);
        // More failed fetches in a row than the connections a client keeps to one host.
        for (int round = 0; round < 8; ++round) {
            m_server.answer(200, FeedServer::fixture());
            m_server.setMode("flood");
            bench.meteo.ConnectToWeather();
            QVERIFY(shown.wait(8000));
            QCOMPARE(bench.values(), kNotAvailable);
            QCOMPARE(m_server.requestLines(), QStringList { kParisRequest });
            // The connection is closed, so the server stops sending; it has sent the little the
            // module read and what the socket buffers of the system held.
            QTRY_COMPARE_WITH_TIMEOUT(m_server.floodedBytes().size(), 1, 5000);
            QCOMPARE_LT(m_server.floodedBytes().constFirst(), kMaxFloodBytes);
        }
        m_server.answer(200, FeedServer::fixture());
        bench.meteo.ConnectToWeather();
        QVERIFY(shown.wait(5000));
        QCOMPARE(m_server.requestLines(), QStringList { kParisRequest });
        QCOMPARE(bench.text("labTemperature"), QStringLiteral("12\u00b0C"));
    }

    void redirection_is_followed_within_limits_data()
    {
        QTest::addColumn<QByteArray>("location");
        QTest::addColumn<QStringList>("requests");
        QTest::addColumn<QString>("values");
        const QString moved = QStringLiteral("GET /moved/feed?town=paris HTTP/1.1");
        QTest::newRow("followed") << QByteArray("/moved/feed?town=paris")
                                  << QStringList { kParisRequest, moved }
                                  << "12\u00b0C|81%|9\u00b0C|1015.2 millibars|SSW|10.0 km";
        QStringList loop;
        for (int n = 0; n <= FeedDownload::kMaxRedirects; ++n)
            loop << kParisRequest;
        QTest::newRow("loop") << kParisRequest.section(u' ', 1, 1).toLatin1() << loop
                              << kNotAvailable;
        QTest::newRow("not to http") << QByteArray("ftp://127.0.0.1/moved/feed")
                                     << QStringList { kParisRequest } << kNotAvailable;
    }
    void redirection_is_followed_within_limits()
    {
        QFETCH(QByteArray, location);
        QFETCH(QStringList, requests);
        QFETCH(QString, values);
        m_server.answer(200, FeedServer::fixture());
        m_server.redirectTo(location);
        Bench bench(m_server);
        QSignalSpy shown(&bench.meteo, &frmMeteo::weatherShown);
        bench.meteo.ConnectToWeather();
        QVERIFY(shown.wait(5000));
        QCOMPARE(bench.values(), values);
        QCOMPARE(m_server.requestLines(), requests);
    }

    void offline_sends_nothing_and_keeps_the_display()
    {
        Bench bench(m_server);
        QSignalSpy shown(&bench.meteo, &frmMeteo::weatherShown);
        bench.meteo.ConnectToWeather();
        QVERIFY(shown.wait(5000));
        const QString display = bench.values() + bench.text("labMeteoDate");
        bench.app.fakes.connection.connected = false;
        bench.app.fakes.clock.current = bench.app.fakes.clock.current.addDays(1);
        bench.meteo.ConnectToWeather();
        QVERIFY(!bench.meteo.isFetching()); // nothing was sent
        QCOMPARE(m_server.requestLines().size(), 1);
        QCOMPARE(bench.values() + bench.text("labMeteoDate"), display);
    }

    void picture_folder_follows_the_skin_flag_data()
    {
        QTest::addColumn<QString>("skin"); // empty: never stored, which means "default"
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<bool>("fromSkin");
        QTest::newRow("flag 1") << "givre" << QByteArray("[skin]\nUseImgMeteoSkin=1\n") << true;
        QTest::newRow("flag 0") << "givre" << QByteArray("[skin]\nUseImgMeteoSkin=0\n") << false;
        QTest::newRow("no ini") << "givre" << QByteArray() << false;
        QTest::newRow("unset skin") << "" << QByteArray("[Skin]\nuseimgmeteoskin=2\n") << true;
    }
    void picture_folder_follows_the_skin_flag()
    {
        QFETCH(QString, skin);
        QFETCH(QByteArray, ini);
        QFETCH(bool, fromSkin);
        Bench bench(m_server);
        const QString skinDir = bench.app.appDir() + "/skins/"
            + (skin.isEmpty() ? QStringLiteral("default") : skin) + "/";
        if (!ini.isEmpty())
            writeBytes(skinDir + "skin.ini", ini);
        writePicture(skinDir + "weather/na.bmp", QSize(8, 8), kSkinPlaceholder);
        if (!skin.isEmpty())
            bench.app.settings->save(Keys::Skin, skin);
        // As the bar does when it loads the skin.
        Skin::ReadSkinIni(Skin::SkinFolder(bench.app.context, QString()), bench.app.skin);
        bench.meteo.ResetWeatherDisplay();
        QCOMPARE(bench.pictureColour(), fromSkin ? kSkinPlaceholder : kPlaceholder);
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

    void open_data_request_carries_the_town_coordinates_data()
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
    void open_data_request_carries_the_town_coordinates()
    {
        QFETCH(int, city);
        QFETCH(QString, coordinates);
        QFETCH(QString, town);
        m_server.answer(200, openMeteoFixture());
        Bench bench(m_server, true);
        bench.app.settings->save(Keys::City, QString::number(city));
        bench.meteo.ReadCity();
        QVERIFY(bench.fetch());
        QCOMPARE(
            m_server.requestLines(), QStringList { "GET /v1/forecast?" + coordinates + kQuery });
        QCOMPARE(bench.text("labMeteoVille"), town);
    }

    void open_data_settings_choose_the_source_data()
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
    void open_data_settings_choose_the_source()
    {
        QFETCH(QString, source);
        QFETCH(bool, xmlServerNamed);
        QFETCH(bool, asksJson);
        m_server.answer(200, openMeteoFixture());
        Bench bench(m_server, true);
        if (!source.isEmpty())
            bench.app.settings->save(Keys::WeatherSource, source);
        if (xmlServerNamed)
            bench.app.settings->save(Keys::WeatherServer, m_server.authority());
        QVERIFY(bench.fetch());
        const QStringList requests = m_server.requestLines();
        if (asksJson) {
            QCOMPARE(requests, QStringList { kOpenParisRequest });
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
        Bench bench(m_server, true);
        bench.app.fakes.clock.current = QDateTime(QDate(2031, 12, 24), QTime(23, 59));
        bench.meteo.ResetWeatherDisplay();
        QCOMPARE(bench.text("labMeteoDate"), QStringLiteral("mer. 24 d\u00e9c. 2031"));
    }
};

QTEST_MAIN(TestMeteoFeed)
#include "TestMeteoFeed.moc"
