#include "TestApp.h"
#include "shell/SettingsKeys.h"
#include "shell/SplashPreference.h"
#include "shell/frmAbout.h"

#include <QPushButton>
#include <QTest>

class TestAboutAndWelcome : public QObject {
    Q_OBJECT
private slots:
    void system_info_starts_first_viewer_found_data()
    {
        QTest::addColumn<QString>("onPath");
        QTest::addColumn<bool>("startSucceeds");
        QTest::addColumn<QString>("started"); // command lines, separated by ';'
        QTest::addColumn<bool>("unavailable");
        QTest::newRow("none_on_path_says_unavailable") << "" << true << "" << true;
        QTest::newRow("dedicated_tool_before_desktop_viewer")
            << "kinfocenter hardinfo" << true << "/usr/bin/hardinfo" << false;
        QTest::newRow("gnome_opens_its_about_panel")
            << "gnome-control-center" << true << "/usr/bin/gnome-control-center info-overview"
            << false;
        QTest::newRow("failing_to_start_tries_the_next_then_says_unavailable")
            << "hardinfo xfce4-about" << false << "/usr/bin/hardinfo;/usr/bin/xfce4-about" << true;
    }
    void system_info_starts_first_viewer_found()
    {
        QFETCH(QString, onPath);
        QFETCH(bool, startSucceeds);
        QFETCH(QString, started);
        QFETCH(bool, unavailable);
        TestApp app(false);
        app.fakes.launcher.available = onPath.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        app.fakes.launcher.succeed = startSucceeds;
        frmAbout about(app.context);
        QTest::mouseClick(
            about.findChild<QPushButton*>(QStringLiteral("cmdSysInfo")), Qt::LeftButton);

        QStringList commands;
        for (const QStringList& command : app.fakes.launcher.started)
            commands.append(command.join(QLatin1Char(' ')));
        QCOMPARE(commands.join(QLatin1Char(';')), started);
        QCOMPARE(app.fakes.dialogs.messages.size(), unavailable ? 1 : 0);
        if (unavailable) {
            const auto& message = app.fakes.dialogs.messages.first();
            QCOMPARE(
                message.text, QStringLiteral("System Information Is Unavailable At This Time"));
            QCOMPARE(message.title, QStringLiteral("Tolvane"));
            QCOMPARE(message.icon, Dialogs::Icon::None);
        }
    }

    void welcome_shown_at_start_up_only_for_one_data()
    {
        QTest::addColumn<QString>("stored"); // empty: never written
        QTest::addColumn<bool>("shown");
        QTest::newRow("missing_key_defaults_to_shown") << "" << true;
        QTest::newRow("one") << "1" << true;
        QTest::newRow("zero") << "0" << false;
        QTest::newRow("two_is_not_one") << "2" << false;
        QTest::newRow("leading_number_rule") << " 1 fois" << true;
        QTest::newRow("not_a_number_reads_as_zero") << "oui" << false;
    }
    void welcome_shown_at_start_up_only_for_one()
    {
        QFETCH(QString, stored);
        TestApp app(false);
        if (!stored.isEmpty())
            app.settings->save(Keys::SplashScreen, stored);
        QTEST(SplashPreference::ShowAtStartUp(*app.settings), "shown");
    }
};

QTEST_MAIN(TestAboutAndWelcome)
#include "TestAboutAndWelcome.moc"
