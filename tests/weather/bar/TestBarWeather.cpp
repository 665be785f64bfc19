#include "FeedServer.h"
#include "TestApp.h"
#include "app/frmTolvane.h"
#include "weather/frmMeteo.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

class TestBarWeather : public QObject {
    Q_OBJECT
    FeedServer m_server;

    static QString text(frmTolvane& bar, const char* name)
    {
        auto* meteo = bar.findChild<frmMeteo*>(QStringLiteral("frmMeteo"));
        return meteo->findChild<QLabel*>(QLatin1String(name))->text();
    }
    static QImage picture(frmTolvane& bar)
    {
        auto* meteo = bar.findChild<frmMeteo*>(QStringLiteral("frmMeteo"));
        return meteo->findChild<QLabel*>(QStringLiteral("pictMeteo"))->pixmap().toImage();
    }
    // One tick; when it starts a fetch, waits for the answer to be shown.
    static void tick(frmTolvane& bar)
    {
        auto* meteo = bar.findChild<frmMeteo*>(QStringLiteral("frmMeteo"));
        QSignalSpy shown(meteo, &frmMeteo::weatherShown);
        bar.onMeteoTick();
        if (meteo->isFetching())
            QVERIFY(shown.wait(5000));
    }

private slots:
    void initTestCase() { QVERIFY2(m_server.start(), qPrintable(m_server.error())); }
    void init()
    {
        m_server.answer(200, FeedServer::fixture(QStringLiteral("current_conditions.xml")));
        m_server.forgetRequests();
    }

    void running_bar_shows_the_weather_in_each_skin_data()
    {
        QTest::addColumn<QString>("skin");
        QTest::addColumn<QString>("pictures");
        QTest::newRow("default skin: program pictures") << "default"
                                                        << "images/";
        QTest::newRow("givre: its own weather pictures") << "givre"
                                                         << "skins/givre/weather/";
    }
    void running_bar_shows_the_weather_in_each_skin()
    {
        QFETCH(QString, skin);
        QFETCH(QString, pictures);
        TestApp app;
        app.settings->save(QStringLiteral("Skin"), skin);
        app.settings->save(QStringLiteral("WeatherServer"), m_server.authority());
        app.settings->save(QStringLiteral("City"), QStringLiteral("388"));
        frmTolvane bar(app.context);
        bar.Start();
        QCOMPARE(picture(bar),
            QImage(app.context.path(pictures + "na.bmp")).convertToFormat(picture(bar).format()));
        tick(bar);
        tick(bar);
        QCOMPARE(m_server.requestLines().size(), 0);
        tick(bar);
        QCOMPARE(m_server.requestLines().size(), 1);
        QVERIFY(m_server.requestLines().first().startsWith("GET /weather/local/CAXX0301?cc=*"));
        QCOMPARE(text(bar, "labMeteoVille"), QStringLiteral(" Ville de Montr\u00e9al"));
        QCOMPARE(text(bar, "labTemperature"), QStringLiteral("12\u00b0C"));
        QCOMPARE(text(bar, "labPression"), QStringLiteral("1015.2 millibars"));
        QCOMPARE(picture(bar),
            QImage(app.context.path(pictures + "30.bmp")).convertToFormat(picture(bar).format()));
    }

    void fetches_are_a_period_apart_and_wait_for_the_connection()
    {
        TestApp app;
        app.settings->save(QStringLiteral("WeatherServer"), m_server.authority());
        app.fakes.connection.connected = false;
        frmTolvane bar(app.context);
        bar.Start();
        for (int i = 0; i < 600; ++i)
            tick(bar);
        QCOMPARE(m_server.requestLines().size(), 0);
        app.fakes.connection.connected = true;
        tick(bar);
        QCOMPARE(m_server.requestLines().size(), 1);
        for (int i = 0; i < 899; ++i)
            tick(bar);
        QCOMPARE(m_server.requestLines().size(), 1);
        tick(bar);
        QCOMPARE(m_server.requestLines().size(), 2);
    }

    void failing_server_shows_not_available_in_the_bar()
    {
        m_server.answer(500, "oops\n");
        TestApp app;
        app.settings->save(QStringLiteral("WeatherServer"), m_server.authority());
        frmTolvane bar(app.context);
        bar.Start();
        for (int i = 0; i < 3; ++i)
            tick(bar);
        QCOMPARE(m_server.requestLines().size(), 1);
        QCOMPARE(text(bar, "labTemperature"), QStringLiteral("N/A"));
        QCOMPARE(text(bar, "labHumidite"), QStringLiteral("N/A"));
        QCOMPARE(text(bar, "labMeteoVille"), QStringLiteral(" Paris"));
    }
};

QTEST_MAIN(TestBarWeather)
#include "TestBarWeather.moc"
