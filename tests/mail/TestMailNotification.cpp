#include "DataRow.h"
#include "FakeNotificationServer.h"
#include "MailModuleFixture.h"
#include "ScriptedPop3Server.h"
#include "platform/linux/DBusNotifications.h"
#include "shell/SettingsKeys.h"

#include <QTest>

#include <tuple>

// A word on the desktop when mail comes: once per rise of an account's count, through the
// notification service of a private session bus.
class TestMailNotification : public QObject {
    Q_OBJECT

    PrivateSessionBus m_bus;

private slots:
    void initTestCase()
    {
        if (PrivateSessionBus::program().isEmpty())
            QSKIP("dbus-daemon is not installed (scripts/test.sh installs dbus-daemon)");
        QVERIFY(m_bus.start());
    }

    // The whole road: POP3 checks whose count goes 0, 2, 2, 1, 4 give two notifications, none
    // once switched off, and a click on one starts the mail client.
    void module_announces_over_the_session_bus()
    {
        FakeNotificationServer server(m_bus.address());
        QVERIFY(server.isRegistered());
        MailModuleFixture f;
        DBusNotifications desktop(f.app.fakes.launcher, m_bus.address());
        f.app.context.platform.notifications = &desktop;
        f.module = std::make_unique<frmemail>(f.app.context);
        f.module->checker().setLocale(QLocale(QLocale::French, QLocale::France));
        ScriptedPop3Server pop(ScriptedPop3Server::Script {});
        f.setAccounts(
            { makeAccount("Maison", "jo", "secret", "127.0.0.1", pop.port(), "POP3 NONE") });
        const std::tuple<const char*, int, const char*> checks[] = { { "+OK 0 0\r\n", 0, "1" },
            { "+OK 2 100\r\n", 1, "1" }, { "+OK 2 100\r\n", 1, "1" }, { "+OK 1 50\r\n", 1, "1" },
            { "+OK 4 4096\r\n", 2, "1" }, { "+OK 9 9000\r\n", 2, "0" } };
        for (const auto& [stat, shown, enabled] : checks) {
            if (f.app.settings->value(Keys::NotifyNewMail) != QLatin1String(enabled)) {
                f.app.settings->save(Keys::NotifyNewMail, QLatin1String(enabled));
                f.module->LoadEmailAccounts();
            }
            pop.setScript(ScriptedPop3Server::normalDialogue(stat));
            QVERIFY(f.checkCurrentAccount());
            QTest::qWait(150); // time for a notification that should not come
            QCOMPARE(server.shown.size(), shown);
        }
        QCOMPARE(server.shown[0].summary, QStringLiteral("Nouveau message"));
        QCOMPARE(server.shown[0].body, QStringLiteral("Maison : 2 message(s) (0,1 Ko)"));
        QCOMPARE(server.shown[1].body, QStringLiteral("Maison : 4 message(s) (4, Ko)"));
        QCOMPARE(server.shown[0].appName, QStringLiteral("Tolvane"));
        QCOMPARE(server.shown[0].icon, QStringLiteral("tolvane"));
        QVERIFY(server.shown[0].actions.contains(QStringLiteral("default")));

        server.invokeDefaultAction(2);
        QTRY_COMPARE(f.app.fakes.launcher.opened.size() + f.app.fakes.launcher.started.size(), 1);
    }

    void without_a_notification_server_nothing_happens()
    {
        RecordingLauncher launcher;
        DBusNotifications desktop(launcher, m_bus.address());
        desktop.announceMail(QStringLiteral("Nouveau message"), QStringLiteral("Maison : 1"));
        QTest::qWait(100);
        QVERIFY(launcher.opened.isEmpty() && launcher.started.isEmpty());
    }

    void mail_client_command_comes_from_its_desktop_entry_data()
    {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<QStringList>("command");
        dataRow("field code dropped",
            QByteArray("[Desktop Entry]\nName=Mail\nExec=thunderbird -compose %u\n"),
            QStringList { "thunderbird", "-compose" });
        dataRow("quoted program", QByteArray("[Desktop Entry]\nExec=\"/opt/my mail/run\" %U\n"),
            QStringList { "/opt/my mail/run" });
        dataRow("action group ignored",
            QByteArray("[Desktop Action new]\nExec=other\n[Desktop Entry]\nExec=evolution\n"),
            QStringList { "evolution" });
        dataRow("no Exec", QByteArray("[Desktop Entry]\nName=Mail\n"), QStringList());
    }
    void mail_client_command_comes_from_its_desktop_entry()
    {
        QFETCH(QByteArray, entry);
        QTEST(DBusNotifications::commandOfDesktopEntry(entry), "command");
    }
};

QTEST_MAIN(TestMailNotification)
#include "TestMailNotification.moc"
