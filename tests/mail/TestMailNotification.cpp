#include "DataRow.h"
#include "FakeNotificationServer.h"
#include "MailModuleFixture.h"
#include "ScriptedPop3Server.h"
#include "mail/MailNotifier.h"
#include "platform/linux/DBusNotifications.h"

#include <QTest>

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

    void one_notification_per_rise_data()
    {
        QTest::addColumn<QList<int>>("counts");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("notifications");
        // The first check, a count that stays, falls and rises: the session bus test.
        dataRow("empty at the first check", QList<int> { 0 }, true, 0);
        dataRow("rises at every check", QList<int> { 1, 2, 5 }, true, 3);
        dataRow("switched off", QList<int> { 1, 2, 5 }, false, 0);
    }
    void one_notification_per_rise()
    {
        QFETCH(QList<int>, counts);
        QFETCH(bool, enabled);
        RecordingNotifications desktop;
        MailNotifier notifier(&desktop);
        notifier.setEnabled(enabled);
        const EmailAccount account = makeAccount("Maison", "jo", "pw", "mail.example.fr", "993");
        for (int count : counts)
            notifier.observe(account, count, QStringLiteral("%1 message(s) non lu(s)").arg(count));
        QTEST(int(desktop.shown.size()), "notifications");
    }

    // The whole road: POP3 checks whose count goes 2, 2, 1, 4 give two notifications, and a
    // click on one starts the mail client.
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
        const std::pair<const char*, int> checks[] = { { "+OK 2 100\r\n", 1 },
            { "+OK 2 100\r\n", 1 }, { "+OK 1 50\r\n", 1 }, { "+OK 4 4096\r\n", 2 } };
        for (const auto& [stat, shown] : checks) {
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
