#include "OpenMeteoDocument.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QUrlQuery>

#include <cmath>

namespace OpenMeteoDocument {

namespace {

const char* const kCurrentFields = "temperature_2m,relative_humidity_2m,dew_point_2m,"
                                   "pressure_msl,wind_speed_10m,wind_direction_10m,visibility,"
                                   "weather_code,is_day";

std::optional<double> number(const QJsonObject& current, const char* field)
{
    const QJsonValue value = current.value(QLatin1String(field));
    if (!value.isDouble())
        return std::nullopt;
    return value.toDouble();
}

// A code is a small whole number; anything else (2.5, 1e300) is no code at all.
std::optional<int> weatherCode(const QJsonObject& current)
{
    const auto code = number(current, "weather_code");
    if (!code || *code < 0 || *code > 255 || *code != std::floor(*code))
        return std::nullopt;
    return static_cast<int>(*code);
}

// Whole numbers as the XML feed gave them; "-0" never shows.
QString whole(std::optional<double> value)
{
    if (!value)
        return {};
    const long rounded = std::lround(*value);
    return QString::number(rounded == 0 ? 0L : rounded);
}

QString oneDecimal(std::optional<double> value, double divisor = 1.0)
{
    return value ? QString::number(*value / divisor, 'f', 1) : QString();
}

struct PictureRow {
    int code;
    int day;
    int night;
};

// WMO weather codes onto the condition pictures that ship:
// clear 32/31, mainly clear 34/33, partly cloudy 30/29, overcast 26, fog 20, drizzle 9,
// freezing drizzle 8, rain 11, heavy rain 40, freezing rain 10, snow 16, heavy snow 43,
// showers 39/45, violent showers 12, snow showers 41/46 and 42/46, thunderstorm 4/47,
// thunderstorm with hail 3.
constexpr PictureRow kPictures[] = {
    { 0, 32, 31 },
    { 1, 34, 33 },
    { 2, 30, 29 },
    { 3, 26, 26 },
    { 45, 20, 20 },
    { 48, 20, 20 },
    { 51, 9, 9 },
    { 53, 9, 9 },
    { 55, 9, 9 },
    { 56, 8, 8 },
    { 57, 8, 8 },
    { 61, 11, 11 },
    { 63, 11, 11 },
    { 65, 40, 40 },
    { 66, 10, 10 },
    { 67, 10, 10 },
    { 71, 16, 16 },
    { 73, 16, 16 },
    { 75, 43, 43 },
    { 77, 16, 16 },
    { 80, 39, 45 },
    { 81, 39, 45 },
    { 82, 12, 12 },
    { 85, 41, 46 },
    { 86, 42, 46 },
    { 95, 4, 47 },
    { 96, 3, 3 },
    { 99, 3, 3 },
};

} // namespace

QUrl RequestUrl(const QString& address, const TownCoordinates::Coordinates& place)
{
    QUrl url(address.trimmed());
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != u"http" && scheme != u"https"))
        return {};
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("latitude"), QLatin1String(place.latitude));
    query.addQueryItem(QStringLiteral("longitude"), QLatin1String(place.longitude));
    query.addQueryItem(QStringLiteral("current"), QLatin1String(kCurrentFields));
    query.addQueryItem(QStringLiteral("temperature_unit"), QStringLiteral("celsius"));
    query.addQueryItem(QStringLiteral("wind_speed_unit"), QStringLiteral("kmh"));
    query.addQueryItem(QStringLiteral("timezone"), QStringLiteral("auto"));
    url.setQuery(query);
    return url;
}

XoapDocument::Values Parse(const QByteArray& body)
{
    XoapDocument::Values values;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return values;
    const QJsonObject root = document.object();
    if (root.value(QLatin1String("error")).toBool())
        return values;
    const QJsonObject current = root.value(QLatin1String("current")).toObject();
    values.temperature = whole(number(current, "temperature_2m"));
    values.humidity = whole(number(current, "relative_humidity_2m"));
    values.dewPoint = whole(number(current, "dew_point_2m"));
    values.pressure = oneDecimal(number(current, "pressure_msl"));
    values.visibility = oneDecimal(number(current, "visibility"), 1000.0);
    if (const auto direction = number(current, "wind_direction_10m"))
        values.wind = WindText(*direction, number(current, "wind_speed_10m"));
    const auto code = weatherCode(current);
    const auto isDay = number(current, "is_day");
    if (code) {
        if (const auto picture = PictureNumber(*code, !isDay || *isDay != 0)) {
            values.icon = *picture;
            values.iconTaken = true;
        }
    }
    return values;
}

QString WindText(double degrees, std::optional<double> speedKmh)
{
    static const char* const kPoints[] = { "N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE", "S",
        "SSW", "SW", "WSW", "W", "WNW", "NW", "NNW" };
    if (speedKmh && *speedKmh < 1.0)
        return QStringLiteral("CALM");
    if (!std::isfinite(degrees))
        return {};
    const double turned = std::fmod(std::fmod(degrees, 360.0) + 360.0, 360.0);
    const int point = static_cast<int>(std::floor((turned + 11.25) / 22.5)) % 16;
    return QLatin1String(kPoints[point]);
}

std::optional<int> PictureNumber(int weatherCode, bool isDay)
{
    for (const PictureRow& row : kPictures) {
        if (row.code == weatherCode)
            return isDay ? row.day : row.night;
    }
    return std::nullopt;
}

} // namespace OpenMeteoDocument
