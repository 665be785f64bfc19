#include "FeedServer.h"
#include "TestApp.h"
#include "app/BarTimers.h"
#include "app/frmTolvane.h"
#include "shell/SettingsKeys.h"
#include "weather/frmMeteo.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

// The weather module inside the running bar with the shipped data, fed by the local server.
class TestBarWeather : public QObject {
    Q_OBJECT
    FeedServer m_server;

    struct RunningBar {
        TestApp app;
        frmTolvane bar { app.context };
        frmMeteo* meteo = bar.findChild<frmMeteo*>(QStringLiteral("frmMeteo"));

        // The XML feed, or with json the public service's address, points at the local server.
        RunningBar(const FeedServer& server, const QString& skin, bool json = false)
        {
            app.settings->save(Keys::Skin, skin);
            if (json)
                app.settings->save(Keys::OpenMeteoAddress,
                    QStringLiteral("http://%1/v1/forecast").arg(server.authority()));
            else
                app.settings->save(Keys::WeatherServer, server.authority());
            app.settings->save(Keys::City, QStringLiteral("388"));
            bar.Start();
        }
        QString text(const char* name) const { return meteo->findChild<QLabel*>(name)->text(); }
        bool shows(const QString& pictureFile) const
        {
            const QImage shown
                = meteo->findChild<QLabel*>(QStringLiteral("pictMeteo"))->pixmap().toImage();
            return shown == QImage(app.context.path(pictureFile)).convertToFormat(shown.format());
        }
        // Timer ticks; one that starts a fetch waits for the answer to be shown.
        void tick(int count = 1)
        {
            for (int i = 0; i < count; ++i) {
                QSignalSpy shown(meteo, &frmMeteo::weatherShown);
                bar.timers().onMeteoTick();
                if (meteo->isFetching())
                    QVERIFY(shown.wait(5000));
            }
        }
    };

private slots:
    void first_fetch_on_the_third_tick_shows_the_weather_then_one_a_period_data()
    {
        QTest::addColumn<QString>("skin");
        QTest::addColumn<QString>("pictures"); // the folder the skin takes them from
        QTest::addColumn<bool>("json"); // the public service, else the XML feed
        QTest::newRow("default skin, XML feed") << "default"
                                                << "images/" << false;
        QTest::newRow("givre, public service") << "givre"
                                               << "skins/givre/weather/" << true;
    }
    void first_fetch_on_the_third_tick_shows_the_weather_then_one_a_period()
    {
        QFETCH(QString, skin);
        QFETCH(QString, pictures);
        QFETCH(bool, json);
        m_server.answer(
            200, json ? FeedServer::fixture("current_openmeteo.json") : FeedServer::fixture());
        RunningBar running(m_server, skin, json);
        QVERIFY(running.shows(pictures + "na.bmp"));
        running.tick(2);
        QCOMPARE(m_server.requestLines().size(), 0);
        running.tick();
        const QStringList requests = m_server.requestLines();
        QCOMPARE(requests.size(), 1);
        // The rest of the query is the one checked for Paris where the module is fed alone.
        QVERIFY2(requests.first().startsWith(json
                         ? "GET /v1/forecast?latitude=45.50884&longitude=-73.58781&"
                         : "GET /weather/local/CAXX0301?cc=*"),
            qPrintable(requests.first()));
        QCOMPARE(running.text("labMeteoVille"), QStringLiteral(" Ville de Montr\u00e9al"));
        QCOMPARE(running.text("labTemperature"), QStringLiteral("12\u00b0C"));
        QCOMPARE(running.text("labVent"), QStringLiteral("SSW"));
        QVERIFY(running.shows(pictures + "30.bmp"));
        for (int code = -1; code < 48; ++code) { // the whole set ships, na.bmp included
            const QString name
                = code < 0 ? "na" : QStringLiteral("%1").arg(code, 2, 10, QChar('0'));
            const QImage shipped(running.app.context.path(pictures + name + ".bmp"));
            QVERIFY2(shipped.size() == QSize(56, 56), qPrintable(name));
        }
        running.tick(899); // the default period: 15 minutes
        QCOMPARE(m_server.requestLines().size(), 1);
        running.tick();
        QCOMPARE(m_server.requestLines().size(), 2);
    }
};

QTEST_MAIN(TestBarWeather)
#include "TestBarWeather.moc"
