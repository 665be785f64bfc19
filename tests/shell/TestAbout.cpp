#include "TestApp.h"
#include "shell/frmAbout.h"

#include <QPushButton>
#include <QTest>

class TestAbout : public QObject {
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
};

QTEST_MAIN(TestAbout)
#include "TestAbout.moc"
