#include "DataRow.h"
#include "FakePlatform.h"
#include "monitors/NetworkSettings.h"

#include <QtTest>

// Which tool opens the network settings, from the running desktop and the programs installed.
class TestNetworkSettings : public QObject {
    Q_OBJECT

private slots:
    void first_fitting_tool_data()
    {
        QTest::addColumn<QString>("desktop"); // XDG_CURRENT_DESKTOP
        QTest::addColumn<QString>("installed");
        QTest::addColumn<QString>("started"); // empty: none, the button is disabled
        const char* everything = "gnome-control-center cinnamon-settings systemsettings kcmshell5 "
                                 "nm-connection-editor";
        dataRow("GNOME", "ubuntu:GNOME", everything, "/usr/bin/gnome-control-center network");
        dataRow("Budgie", "Budgie:GNOME", "gnome-control-center",
            "/usr/bin/gnome-control-center network");
        dataRow("Plasma", "KDE", everything, "/usr/bin/systemsettings kcm_networkmanagement");
        dataRow("Plasma without its settings program", "KDE", "kcmshell6 kcmshell5",
            "/usr/bin/kcmshell6 kcm_networkmanagement");
        dataRow("Cinnamon", "X-Cinnamon", everything, "/usr/bin/cinnamon-settings network");
        dataRow("Xfce takes NetworkManager's editor", "XFCE", everything,
            "/usr/bin/nm-connection-editor");
        dataRow("KDE's settings run on any desktop", "MATE", "gnome-control-center kcmshell5",
            "/usr/bin/kcmshell5 kcm_networkmanagement");
        dataRow("GNOME's settings refuse other desktops", "XFCE",
            "gnome-control-center cinnamon-settings", "");
        dataRow("no desktop named", "", "gnome-control-center nm-connection-editor",
            "/usr/bin/nm-connection-editor");
        dataRow("nothing installed", "GNOME", "", "");
    }
    void first_fitting_tool()
    {
        QFETCH(QString, desktop);
        QFETCH(QString, installed);
        QFETCH(QString, started);
        RecordingLauncher launcher;
        launcher.desktops = desktop.split(QLatin1Char(':'), Qt::SkipEmptyParts);
        launcher.available = installed.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const auto tool = NetworkSettings(&launcher).Find();
        QCOMPARE(tool ? (QStringList { tool->program } + tool->arguments).join(QLatin1Char(' '))
                      : QString(),
            started);
    }
};

QTEST_GUILESS_MAIN(TestNetworkSettings)
#include "TestNetworkSettings.moc"
