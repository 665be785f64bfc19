#include "DataRow.h"
#include "TestApp.h"
#include "app/frmTolvane.h"
#include "shell/SettingsKeys.h"

#include <QtTest>

// Hand-edited numbers outside what the options dialog offers must not break the bar.
class TestBarSettingsRanges : public QObject {
    Q_OBJECT

    static QSize barSize(const SettingKey& key, const QString& value)
    {
        TestApp app;
        app.settings->save(key, value);
        frmTolvane bar(app.context);
        bar.InitBar();
        return bar.size();
    }

private slots:
    void out_of_range_numbers_lay_out_like_the_nearest_allowed_one_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("nearest");
        dataRow("largest spacing", "SpaceBetweenModules", "2147483647", "99");
        dataRow("negative spacing", "SpaceBetweenModules", "-2147483648", "1");
        dataRow("spacing beyond 64 bits", "SpaceBetweenModules", "99999999999999999999", "99");
        dataRow("favorites rows negative", "FavModuleNbElem", "-32768", "1");
        dataRow("favorites rows huge", "FavModuleNbElem", "32767", "30");
    }
    void out_of_range_numbers_lay_out_like_the_nearest_allowed_one()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(QString, nearest);
        const SettingKey* setting = SettingsKeys::find(key);
        const QSize size = barSize(*setting, stored);
        QCOMPARE(size, barSize(*setting, nearest));
        QCOMPARE(size.width(), 146);
        QVERIFY(size.height() > 100 && size.height() < 3000);
    }

    void timer_minutes_take_decimals_and_sorts_stay_in_range()
    {
        TestApp app;
        app.settings->save(Keys::TimerMeteo, QStringLiteral("2.5"));
        app.settings->save(Keys::TimerEmail, QStringLiteral("dix"));
        app.settings->save(Keys::FavWindowsSort, QStringLiteral("9"));
        app.settings->save(Keys::FavInternetSort, QStringLiteral("-1"));
        const BarSettings settings = BarSettings::read(*app.settings);
        QCOMPARE(settings.meteoPeriod, 150);
        QCOMPARE(settings.mailPeriod, 0);
        QCOMPARE(settings.favWindowsSort, 2);
        QCOMPARE(settings.favInternetSort, 0);
    }
};

QTEST_MAIN(TestBarSettingsRanges)
#include "TestBarSettingsRanges.moc"
