#include "weather/WeatherCities.h"

#include <QRegularExpression>
#include <QTest>

class TestWeatherCities : public QObject {
    Q_OBJECT
private slots:
    void table_holds_389_towns()
    {
        QCOMPARE(WeatherCities::Table().size(), 389);
        QCOMPARE(WeatherCities::kCount, 389);
    }

    void entries_at_group_edges_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("entry");
        QTest::newRow("first") << 0 << QStringLiteral("FRXX0111;(France) Abbeville");
        QTest::newRow("question marks kept")
            << 80 << QStringLiteral("FRXX0292;(France) Cour??bevoie");
        QTest::newRow("paris") << 198 << QStringLiteral("FRXX0076;(France) Paris");
        QTest::newRow("last french") << 277 << QStringLiteral("FRXX0300;(France) Vittefleur");
        QTest::newRow("first belgian")
            << 278 << QStringLiteral("BEXX0022;(Belgique) A\u00e9roport d'Ostende");
        QTest::newRow("last belgian") << 307 << QStringLiteral("BEXX0020;(Belgique) Vilvoorde");
        QTest::newRow("first canadian") << 308 << QStringLiteral("CAXX0012;(Canada) Ascot Corner");
        QTest::newRow("shared code fermont") << 326 << QStringLiteral("CAXX0157;(Canada) Fermont");
        QTest::newRow("shared code gaspe") << 327 << QStringLiteral("CAXX0157;(Canada) Gasp\u00e9");
        QTest::newRow("montreal last")
            << 388 << QStringLiteral("CAXX0301;(Canada) Ville de Montr\u00e9al");
    }
    void entries_at_group_edges()
    {
        QFETCH(int, index);
        QFETCH(QString, entry);
        QCOMPARE(WeatherCities::Table().at(index), entry);
    }

    void every_entry_has_code_country_and_town()
    {
        static const QRegularExpression form(
            QStringLiteral("^(FR|BE|CA)XX\\d{4};\\((France|Belgique|Canada)\\) [^;]+$"));
        const QStringList countries
            = { QStringLiteral("FR"), QStringLiteral("BE"), QStringLiteral("CA") };
        int lastCountry = 0;
        for (const QString& entry : WeatherCities::Table()) {
            QVERIFY2(form.match(entry).hasMatch(), qPrintable(entry));
            const int country = countries.indexOf(entry.left(2));
            QVERIFY2(country >= lastCountry, qPrintable(entry)); // grouped by country
            lastCountry = country;
        }
    }

    void code_list_text_and_town_label_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("listText");
        QTest::addColumn<QString>("townLabel");
        QTest::newRow("paris") << 198 << QStringLiteral("FRXX0076")
                               << QStringLiteral("(France) Paris") << QStringLiteral(" Paris");
        QTest::newRow("own parentheses kept")
            << 333 << QStringLiteral("CAXX0249") << QStringLiteral("(Canada) Isle-Verte (L')")
            << QStringLiteral(" Isle-Verte (L')");
        QTest::newRow("slash in name") << 199 << QStringLiteral("FRXX0077")
                                       << QStringLiteral("(France) Paris/A\u00e9roport de Roissy")
                                       << QStringLiteral(" Paris/A\u00e9roport de Roissy");
        QTest::newRow("montreal") << 388 << QStringLiteral("CAXX0301")
                                  << QStringLiteral("(Canada) Ville de Montr\u00e9al")
                                  << QStringLiteral(" Ville de Montr\u00e9al");
    }
    void code_list_text_and_town_label()
    {
        QFETCH(int, index);
        QFETCH(QString, code);
        QFETCH(QString, listText);
        QFETCH(QString, townLabel);
        QCOMPARE(WeatherCities::WeatherCode(index), code);
        QCOMPARE(WeatherCities::ListText(index), listText);
        QCOMPARE(WeatherCities::TownLabel(index), townLabel);
    }

    void stored_city_outside_the_table_becomes_paris_data()
    {
        QTest::addColumn<qint64>("stored");
        QTest::addColumn<int>("index");
        QTest::newRow("first town is a town") << qint64(0) << 0;
        QTest::newRow("last") << qint64(388) << 388;
        QTest::newRow("one past the end") << qint64(389) << 198;
        QTest::newRow("500") << qint64(500) << 198;
        QTest::newRow("negative") << qint64(-1) << 198;
        QTest::newRow("beyond 16 bits") << qint64(70000) << 198;
    }
    void stored_city_outside_the_table_becomes_paris()
    {
        QFETCH(qint64, stored);
        QFETCH(int, index);
        QCOMPARE(WeatherCities::CityIndexFromSetting(stored), index);
    }
};

QTEST_GUILESS_MAIN(TestWeatherCities)
#include "TestWeatherCities.moc"
