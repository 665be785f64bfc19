#include "DataRow.h"
#include "TestApp.h"
#include "options/ModuleOrder.h"
#include "options/OptionsForm.h"
#include "shell/SettingsKeys.h"

#include <QtTest>

class TestOptionsForm : public QObject {
    Q_OBJECT

    static OptionsForm loaded(TestApp& app, const QStringList& themes = {})
    {
        OptionsForm form;
        form.load(*app.settings, themes);
        return form;
    }
    static QString stored(TestApp& app, const SettingKey& key)
    {
        return app.settings->value(key, QStringLiteral("<missing>"));
    }

private slots:
    // Each key goes through its control and back unchanged; the module order is completed.
    void saving_an_empty_store_writes_every_key_with_the_dialog_defaults()
    {
        TestApp app(false);
        QVERIFY(loaded(app).save(*app.settings));
        for (const SettingKey* key : OptionsForm::savedKeys()) {
            const QString expected = key == &Keys::SortModules
                ? key->optionsDefaultText() + QStringLiteral(";Pense-B\u00eate;")
                : key->optionsDefaultText();
            QCOMPARE(stored(app, *key), expected);
        }
    }

    void stored_values_are_brought_into_the_controls_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("saved");
        dataRow("weather period too long", "TimerMeteo", "9999", "480");
        dataRow("weather period with decimals", "TimerMeteo", "2.5", "5");
        dataRow("mail period not a number", "TimerEmail", "dix", "5");
        dataRow("negative spacing", "SpaceBetweenModules", "-4", "1");
        dataRow("huge spacing", "SpaceBetweenModules", "2147483647", "99");
        dataRow("transparency beyond the slider", "Transparency", "255", "150");
        dataRow("unknown sort mode", "FavWindowsSort", "7", "2");
        dataRow("any other side is the left", "Position", "-1", "1");
        dataRow("check box holding 2", "DisplayClock", "2", "1");
        dataRow("check box not a number", "DisplayMeteo", "oui", "0");
        dataRow("photo path kept whole", "Photo", "/tmp/a;b.png", "/tmp/a;b.png");
    }
    void stored_values_are_brought_into_the_controls()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        TestApp app(false);
        const SettingKey* setting = SettingsKeys::find(key);
        app.settings->save(*setting, stored);
        QVERIFY(loaded(app).save(*app.settings));
        QTEST(this->stored(app, *setting), "saved");
    }

    void module_order_is_completed_and_cleaned_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("rows");
        const QString emails = QStringLiteral("e-Mails");
        const QString notes = QStringLiteral("Pense-B\u00eate");
        const QString meteo = QStringLiteral("M\u00e9t\u00e9o");
        QTest::newRow("photo and clock get mail and notes")
            << "Photo;Horloge" << QStringList { "Photo", "Horloge", emails, notes };
        QTest::newRow("unknown name and empty pieces dropped")
            << QStringLiteral(";Photo;Calendrier;;%1;").arg(meteo)
            << QStringList { "Photo", meteo, emails, notes };
        QTest::newRow("names compare exactly") << "photo;E-MAILS" << QStringList { emails, notes };
        QTest::newRow("mail already listed is not added twice")
            << QStringLiteral("%1;Photo;%2").arg(notes, emails)
            << QStringList { notes, "Photo", emails };
    }
    void module_order_is_completed_and_cleaned()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, rows);
        ModuleOrder order;
        order.load(stored);
        QCOMPARE(order.names(), rows);
        QCOMPARE(order.toSetting(), rows.join(u';') + u';');
    }

    void module_order_moves_stop_at_both_ends()
    {
        ModuleOrder order;
        order.load(QStringLiteral("Photo;Horloge;e-Mails;Pense-B\u00eate"));
        QCOMPARE(order.move(0, -1), 0);
        QCOMPARE(order.move(3, 1), 3);
        QCOMPARE(order.move(0, 1), 1);
        QCOMPARE(order.move(3, -1), 2);
        QCOMPARE(order.toSetting(), QStringLiteral("Horloge;Photo;Pense-B\u00eate;e-Mails;"));
        QCOMPARE(order.move(-1, -1), -1);
        QCOMPARE(order.move(4, -1), 4);
    }

    void the_stored_theme_is_selected_by_its_exact_name()
    {
        TestApp app(false);
        app.settings->save(Keys::Skin, QStringLiteral("bleu"));
        OptionsForm form = loaded(app, { "Ambre", "bleu", "default", "zinc" });
        QCOMPARE(form.selectedTheme(), 1);
        form.setSelectedSkin(QStringLiteral("Bleu"));
        QCOMPARE(form.selectedTheme(), -1); // compared with its letter case
        // With no theme listed, the stored skin stays.
        QVERIFY(loaded(app).save(*app.settings));
        QCOMPARE(stored(app, Keys::Skin), QStringLiteral("bleu"));
    }

    void transparency_preview_cuts_fractions()
    {
        QCOMPARE(TransparencyPreview::label(75), QStringLiteral(" 50 %"));
        QCOMPARE(TransparencyPreview::opacity(true, 75), 179);
        QCOMPARE(TransparencyPreview::label(1), QStringLiteral(" 0 %"));
        QCOMPARE(TransparencyPreview::opacity(true, 1), 253);
    }
};

QTEST_GUILESS_MAIN(TestOptionsForm)
#include "TestOptionsForm.moc"
