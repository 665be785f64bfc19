#include "FeedServer.h"
#include "LoopbackPort.h"
#include "TestApp.h"
#include "TestFiles.h"
#include "shell/SettingsKeys.h"
#include "weather/FeedDownload.h"
#include "weather/frmMeteo.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

namespace {

const QColor kPlaceholder(200, 0, 0); // na.bmp
const QColor kCondition(0, 160, 0); // 30.bmp
const QColor kZero(160, 160, 0); // 00.bmp
const QString kWaiting = QStringLiteral("NC|NC|<n/a>|<n/a>|<n/a>|<n/a>");
const QString kNotAvailable = QStringLiteral("N/A|N/A|<n/a>|<n/a>|<n/a>|<n/a>");
const char* const kValueLabels[]
    = { "labTemperature", "labHumidite", "labRosee", "labPression", "labVent", "labVisibilite" };

const QString kParisRequest
    = QStringLiteral("GET /weather/local/FRXX0076?cc=*&prod=xoap&unit=m&par=4417093826&unit=1"
                     "&key=5c0e9b27d1f84a6390be72c4a8d15f03 HTTP/1.1");
const QString kOpenParisRequest = QStringLiteral(
    "GET /v1/forecast?latitude=48.85341&longitude=2.3488&current=temperature_2m,"
    "relative_humidity_2m,dew_point_2m,pressure_msl,wind_speed_10m,wind_direction_10m,visibility,"
    "weather_code,is_day&temperature_unit=celsius&wind_speed_unit=kmh&timezone=auto HTTP/1.1");
// Far above what a closed connection lets through, far below what an endless read takes in.
constexpr qint64 kMaxFloodBytes = 24 * 1024 * 1024;

// One weather module in its own AppDir with plain-coloured pictures, asking the local server for
// the XML feed or, with json, as the open data service.
struct Bench {
    TestApp app { false };
    frmMeteo meteo { app.context };

    explicit Bench(const FeedServer& server, bool json = false)
    {
        for (const auto& [name, colour] : { std::pair { "na.bmp", kPlaceholder },
                 std::pair { "30.bmp", kCondition }, std::pair { "00.bmp", kZero } })
            writePicture(app.appDir() + "/images/" + name, QSize(8, 8), colour);
        if (json)
            app.settings->save(Keys::OpenMeteoAddress,
                QStringLiteral("http://%1/v1/forecast").arg(server.authority()));
        else
            app.settings->save(Keys::WeatherServer, server.authority());
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
    bool fetch(int timeoutMs = 5000)
    {
        QSignalSpy shown(&meteo, &frmMeteo::weatherShown);
        meteo.ConnectToWeather();
        return shown.wait(timeoutMs);
    }
};

} // namespace

// The weather module fed by a local server, as the XML feed and as the open data service.
class TestMeteoFeed : public QObject {
    Q_OBJECT
    FeedServer m_server;

private slots:
    void init()
    {
        m_server.answer(200, FeedServer::fixture());
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    }

    // The transport is shared by both sources: its failures (refused, dropped, time-out,
    // oversized) are shown through the XML feed. The documents' own cases are the parsers'.
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
        QByteArray noIcon = full;
        noIcon.replace("<icon>30</icon>", "").replace("<icon>25</icon>", "");
        shows("full document", full, fullValues, kCondition); // the first icon, not the moon's 25
        shows("no icon keeps the placeholder", noIcon, fullValues, kPlaceholder);
        shows("icon without a picture", "<tmp>1</tmp>\n<icon>44</icon>\n", onlyUnits, kPlaceholder);
        shows("non-numeric icon is 00", "<tmp>1</tmp>\n<icon>na</icon>\n", onlyUnits, kZero);
        shows("markup is plain text", "<tmp><b>7</tmp>\n<t>a</t>\n<t><i>N</t>\n",
            "<b>7\u00b0C|%|\u00b0C| millibars|<i>N| km", kPlaceholder);
        fails("404 with a document", 404, full);
        fails("empty body", 200, "");
        fails("error document", 200, "<error>\n<err type=\"0\">Invalid key</err>\n</error>\n");
        fails("body over 256 KiB", 200, full + QByteArray(256 * 1024, ' ') + "\n");
        fails("connection dropped", 200, full, "close");
        fails("port refused", 200, full, "refused");
        fails("never answers: time-out", 200, full, "hang");

        json = true;
        shows("open data: full document", FeedServer::fixture("current_openmeteo.json"), fullValues,
            kCondition);
        fails("open data: error object with 400", 400,
            "{\"error\":true,\"reason\":\"Cannot initialize WeatherVariable from invalid "
            "String\"}");
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
                Keys::WeatherServer, QStringLiteral("127.0.0.1:%1").arg(freeLoopbackPort()));
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
        // The open data service's licence asks for its credit wherever its data shows.
        QCOMPARE(bench.meteo.toolTip(),
            json ? QStringLiteral("Donn\u00e9es m\u00e9t\u00e9o : Open-Meteo.com") : QString());
        QVERIFY(!bench.meteo.isFetching());
        QCOMPARE(m_server.requestLines(),
            mode == "refused" ? QStringList()
                              : QStringList { json ? kOpenParisRequest : kParisRequest });
        for (const char* name : kValueLabels)
            QCOMPARE(bench.meteo.findChild<QLabel*>(name)->textFormat(), Qt::PlainText);
    }

    void feed_chosen_without_a_usable_server_is_not_available_at_once()
    {
        Bench bench(m_server);
        bench.app.settings->save(Keys::WeatherSource, QStringLiteral("xoap"));
        bench.app.settings->save(Keys::WeatherServer, QStringLiteral("u@meteo.example"));
        QSignalSpy shown(&bench.meteo, &frmMeteo::weatherShown);
        bench.meteo.ConnectToWeather();
        QCOMPARE(shown.count(), 1);
        QCOMPARE(bench.values(), kNotAvailable);
        QVERIFY(m_server.requestLines().isEmpty());
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
        QVERIFY(bench.fetch());
        QCOMPARE(shown.count(), 1);
        QCOMPARE(m_server.requestLines().size(), 2);
        QCOMPARE(bench.text("labMeteoVille"), QStringLiteral(" Abbeville"));
        QCOMPARE(bench.text("labTemperature"), QStringLiteral("12\u00b0C"));
    }

    // The transfer really ends: the server sees its connection closed, so nothing more is read
    // and kept, and every later fetch goes out, even after more failed fetches in a row than the
    // connections a client keeps to one host.
    void header_that_never_ends_is_cut_and_later_fetches_go_out_data()
    {
        QTest::addColumn<QByteArray>("mode");
        QTest::addColumn<int>("rounds");
        QTest::newRow("dribbled: dropped at the time-out") << QByteArray("dribble") << 1;
        QTest::newRow("flooded: cut at once") << QByteArray("flood") << 8;
    }
    void header_that_never_ends_is_cut_and_later_fetches_go_out()
    {
        QFETCH(QByteArray, mode);
        QFETCH(int, rounds);
        Bench bench(m_server);
        bench.meteo.setFetchTimeoutMs(2500);
        for (int round = 0; round < rounds; ++round) {
            m_server.answer(200, FeedServer::fixture());
            m_server.setMode(mode);
            QVERIFY(bench.fetch(8000));
            QCOMPARE(bench.values(), kNotAvailable);
            QCOMPARE(m_server.requestLines(), QStringList { kParisRequest });
            // Once closed, the server stops sending: it has sent the little the module read and
            // what the socket buffers of the system held.
            QTRY_COMPARE_WITH_TIMEOUT(m_server.closedAfterBytes().size(), 1, 5000);
            QCOMPARE_LT(m_server.closedAfterBytes().constFirst(), kMaxFloodBytes);
        }
        m_server.answer(200, FeedServer::fixture());
        QVERIFY(bench.fetch());
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
        m_server.redirectTo(location);
        Bench bench(m_server);
        QVERIFY(bench.fetch());
        QCOMPARE(bench.values(), values);
        QCOMPARE(m_server.requestLines(), requests);
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
};

QTEST_MAIN(TestMeteoFeed)
#include "TestMeteoFeed.moc"
