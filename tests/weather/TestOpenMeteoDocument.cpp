#include "DataRow.h"
#include "FeedServer.h"
#include "weather/OpenMeteoDocument.h"
#include "weather/WeatherSource.h"

#include <QTest>
#include <QUrlQuery>

namespace {

QByteArray current(const QByteArray& fields)
{
    return "{\"current\":{" + fields + "}}";
}

// temperature|humidity|dew point|pressure|wind|visibility|picture ("-" for none)
QString shown(const XoapDocument::Values& values)
{
    return QStringList { values.temperature, values.humidity, values.dewPoint, values.pressure,
        values.wind, values.visibility,
        values.iconTaken ? QString::number(values.icon) : QStringLiteral("-") }
        .join(QLatin1Char('|'));
}

} // namespace

class TestOpenMeteoDocument : public QObject {
    Q_OBJECT

private slots:
    // The query itself is checked where the module sends it to the local server.
    void address_setting_gives_the_request_or_none_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("url"); // before the query; empty: no request
        dataRow("spaces trimmed, https kept", " https://api.open-meteo.com/v1/forecast ",
            "https://api.open-meteo.com/v1/forecast");
        dataRow("empty", "", "");
        dataRow("no scheme", "api.open-meteo.com/v1/forecast", "");
        dataRow("other scheme", "ftp://mirror.example/v1/forecast", "");
        dataRow("no host", "http:///v1/forecast", "");
    }
    void address_setting_gives_the_request_or_none()
    {
        QFETCH(QString, address);
        const QUrl url = OpenMeteoDocument::RequestUrl(address, { "48.85341", "2.3488" });
        QTEST(url.isValid() ? url.toString(QUrl::FullyEncoded).section(u'?', 0, 0) : QString(),
            "url");
    }

    void document_gives_the_labels_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("expected");
        QTest::newRow("full document")
            << FeedServer::fixture("current_openmeteo.json") << "12|81|9|1015.2|SSW|10.0|30";
        QTest::newRow("night") << current("\"temperature_2m\":-0.4,\"weather_code\":0,\"is_day\":0")
                               << "0||||||31";
        QTest::newRow("rounding") << current("\"temperature_2m\":-3.5,\"dew_point_2m\":2.5,"
                                             "\"pressure_msl\":998.04,\"visibility\":24140")
                                  << "-4||3|998.0||24.1|-";
        QTest::newRow("calm") << current("\"temperature_2m\":1,\"wind_speed_10m\":0.6,"
                                         "\"wind_direction_10m\":90")
                              << "1||||CALM||-";
        QTest::newRow("missing and null values")
            << current("\"temperature_2m\":7,\"relative_humidity_2m\":null,\"visibility\":\"far\"")
            << "7||||||-";
        QTest::newRow("unknown weather code")
            << current("\"temperature_2m\":7,\"weather_code\":42") << "7||||||-";
        QTest::newRow("fractional weather code")
            << current("\"temperature_2m\":7,\"weather_code\":2.5") << "7||||||-";
        QTest::newRow("weather code beyond any integer")
            << current("\"temperature_2m\":7,\"weather_code\":2.2e92") << "7||||||-";
        QTest::newRow("weather code below any integer")
            << current("\"temperature_2m\":7,\"weather_code\":-4294967294") << "7||||||-";
        QTest::newRow("no is_day counts as day")
            << current("\"temperature_2m\":7,\"weather_code\":80") << "7||||||39";
        QTest::newRow("no temperature") << current("\"relative_humidity_2m\":50") << "|50|||||-";
        QTest::newRow("error object")
            << QByteArray("{\"error\":true,\"reason\":\"Latitude must be in range of -90 to 90\"}")
            << "||||||-";
        QTest::newRow("malformed")
            << FeedServer::fixture("current_openmeteo.json").left(120) << "||||||-";
        QTest::newRow("array") << QByteArray("[1,2]") << "||||||-";
        QTest::newRow("empty") << QByteArray() << "||||||-";
    }
    void document_gives_the_labels()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, expected);
        QCOMPARE(shown(OpenMeteoDocument::Parse(body)), expected);
    }

    void wind_direction_is_a_compass_point_data()
    {
        QTest::addColumn<double>("degrees");
        QTest::addColumn<double>("speed"); // negative: not given
        QTest::addColumn<QString>("text");
        QTest::newRow("just below NNE") << 11.2 << 10.0 << "N";
        QTest::newRow("NNE") << 11.25 << 10.0 << "NNE";
        QTest::newRow("back to north") << 349.0 << 10.0 << "N";
        QTest::newRow("full turn") << 360.0 << 10.0 << "N";
        QTest::newRow("negative") << -90.0 << 10.0 << "W";
        QTest::newRow("calm") << 180.0 << 0.9 << "CALM";
        QTest::newRow("one km/h is not calm") << 180.0 << 1.0 << "S";
        QTest::newRow("no speed") << 45.0 << -1.0 << "NE";
    }
    void wind_direction_is_a_compass_point()
    {
        QFETCH(double, degrees);
        QFETCH(double, speed);
        QFETCH(QString, text);
        const std::optional<double> given = speed < 0 ? std::nullopt : std::optional(speed);
        QCOMPARE(OpenMeteoDocument::WindText(degrees, given), text);
    }

    void weather_code_picks_a_picture_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("day"); // -1: no picture
        QTest::addColumn<int>("night");
        QTest::newRow("clear") << 0 << 32 << 31;
        QTest::newRow("thunderstorm") << 95 << 4 << 47;
        QTest::newRow("unknown") << 4 << -1 << -1;
        QTest::newRow("negative") << -1 << -1 << -1;
    }
    void weather_code_picks_a_picture()
    {
        QFETCH(int, code);
        QFETCH(int, day);
        QFETCH(int, night);
        QCOMPARE(OpenMeteoDocument::PictureNumber(code, true).value_or(-1), day);
        QCOMPARE(OpenMeteoDocument::PictureNumber(code, false).value_or(-1), night);
    }

    void source_follows_the_settings_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("server");
        QTest::addColumn<bool>("xml");
        dataRow("default, no server", "auto", "", false);
        dataRow("default, blank server", "auto", "  ", false);
        dataRow("default, a server", "auto", "meteo.example:8080", true);
        dataRow("unknown choice acts as auto", "yahoo", "meteo.example", true);
        dataRow("public forced", "OpenMeteo", "meteo.example", false);
        dataRow("xml forced", " xoap ", "", true);
    }

    void source_follows_the_settings()
    {
        QFETCH(QString, source);
        QFETCH(QString, server);
        QFETCH(bool, xml);
        QCOMPARE(WeatherSource::Choose(source, server) == WeatherSource::Source::Xoap, xml);
    }
};

QTEST_MAIN(TestOpenMeteoDocument)
#include "TestOpenMeteoDocument.moc"
