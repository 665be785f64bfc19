#include "weather/TownCoordinates.h"

#include <QRegularExpression>
#include <QTest>

#include <iterator>

class TestTownCoordinates : public QObject {
    Q_OBJECT

private slots:
    void every_town_lies_inside_its_country()
    {
        struct Bounds {
            double south, north, west, east;
        };
        // Mainland France and Corsica, Belgium, Canada.
        const QHash<QString, Bounds> countries {
            { QStringLiteral("France"), { 41.3, 51.2, -5.3, 9.7 } },
            { QStringLiteral("Belgique"), { 49.4, 51.6, 2.5, 6.5 } },
            { QStringLiteral("Canada"), { 41.6, 83.2, -141.1, -52.5 } },
        };
        const QRegularExpression decimal(QStringLiteral("^-?\\d{1,3}(\\.\\d+)?$"));
        QCOMPARE(std::size(TownCoordinates::kTable), std::size_t(389));
        for (int index = 0; index < WeatherCities::kCount; ++index) {
            const QString town = WeatherCities::ListText(index);
            const TownCoordinates::Coordinates& place = TownCoordinates::kTable[index];
            QVERIFY2(place.latitude && place.longitude, qPrintable(town));
            const QString latitude = QLatin1String(place.latitude);
            const QString longitude = QLatin1String(place.longitude);
            QVERIFY2(decimal.match(latitude).hasMatch(), qPrintable(town + ' ' + latitude));
            QVERIFY2(decimal.match(longitude).hasMatch(), qPrintable(town + ' ' + longitude));
            const QString country = town.mid(1, town.indexOf(QLatin1Char(')')) - 1);
            QVERIFY2(countries.contains(country), qPrintable(town));
            const Bounds bounds = countries.value(country);
            const double lat = latitude.toDouble(), lon = longitude.toDouble();
            QVERIFY2(lat >= bounds.south && lat <= bounds.north && lon >= bounds.west
                    && lon <= bounds.east,
                qPrintable(town + ' ' + latitude + ',' + longitude));
        }
    }
};

QTEST_MAIN(TestTownCoordinates)
#include "TestTownCoordinates.moc"
