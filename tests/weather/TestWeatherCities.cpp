#include "weather/TownCoordinates.h"
#include "weather/WeatherCities.h"

#include <QHash>
#include <QRectF>
#include <QRegularExpression>
#include <QTest>

using namespace WeatherCities;

class TestWeatherCities : public QObject {
    Q_OBJECT
private slots:
    void entries_at_group_edges_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("town"); // the module's label
        const auto row = [](int index, const char* entry, const char* town) {
            QTest::addRow("%d", index)
                << index << QString::fromUtf8(entry) << QString::fromUtf8(town);
        };
        row(0, "FRXX0111;(France) Abbeville", " Abbeville");
        row(198, "FRXX0076;(France) Paris", " Paris");
        row(278, "BEXX0022;(Belgique) A\u00e9roport d'Ostende", " A\u00e9roport d'Ostende");
        row(326, "CAXX0157;(Canada) Fermont", " Fermont"); // two towns share the code
        row(327, "CAXX0157;(Canada) Gasp\u00e9", " Gasp\u00e9");
        row(333, "CAXX0249;(Canada) Isle-Verte (L')", " Isle-Verte (L')");
        row(388, "CAXX0301;(Canada) Ville de Montr\u00e9al", " Ville de Montr\u00e9al");
    }
    void entries_at_group_edges()
    {
        QFETCH(int, index);
        QFETCH(QString, entry);
        QFETCH(QString, town);
        QCOMPARE(Table().size(), 389);
        QCOMPARE(Table().at(index), entry);
        QCOMPARE(WeatherCode(index), entry.left(8));
        QCOMPARE(ListText(index), entry.mid(9));
        QCOMPARE(TownLabel(index), town);
    }

    // Every town has a code, a country, and coordinates inside its country (mainland France and
    // Corsica, Belgium, Canada) for the open data service.
    void every_town_has_code_country_and_coordinates()
    {
        static const QRegularExpression form(
            QStringLiteral("^(FR|BE|CA)XX\\d{4};\\((France|Belgique|Canada)\\) [^;]+$"));
        static const QRegularExpression decimal(QStringLiteral("^-?\\d{1,3}(\\.\\d+)?$"));
        const QHash<QString, QRectF> countries {
            // x: longitude, y: latitude
            { QStringLiteral("France"), QRectF(QPointF(-5.3, 41.3), QPointF(9.7, 51.2)) },
            { QStringLiteral("Belgique"), QRectF(QPointF(2.5, 49.4), QPointF(6.5, 51.6)) },
            { QStringLiteral("Canada"), QRectF(QPointF(-141.1, 41.6), QPointF(-52.5, 83.2)) },
        };
        for (int index = 0; index < kCount; ++index) {
            const QString entry = Table().at(index);
            QVERIFY2(form.match(entry).hasMatch(), qPrintable(entry));
            const TownCoordinates::Coordinates& place = TownCoordinates::kTable[index];
            QVERIFY2(place.latitude && place.longitude, qPrintable(entry));
            const QString latitude = QLatin1String(place.latitude);
            const QString longitude = QLatin1String(place.longitude);
            QVERIFY2(decimal.match(latitude).hasMatch() && decimal.match(longitude).hasMatch()
                    && countries.value(entry.section(u'(', 1).section(u')', 0, 0))
                           .contains(longitude.toDouble(), latitude.toDouble()),
                qPrintable(entry + ' ' + latitude + ',' + longitude));
        }
    }

    void stored_city_outside_the_table_becomes_paris_data()
    {
        QTest::addColumn<qint64>("stored");
        QTest::addColumn<int>("index");
        QTest::newRow("first town is a town") << qint64(0) << 0;
        QTest::newRow("last") << qint64(388) << 388;
        QTest::newRow("one past the end") << qint64(389) << 198;
        QTest::newRow("negative") << qint64(-1) << 198;
        QTest::newRow("beyond 16 bits") << qint64(70000) << 198;
    }
    void stored_city_outside_the_table_becomes_paris()
    {
        QFETCH(qint64, stored);
        QFETCH(int, index);
        QCOMPARE(CityIndexFromSetting(stored), index);
    }
};

QTEST_GUILESS_MAIN(TestWeatherCities)
#include "TestWeatherCities.moc"
