#include "../ScriptedPop3Server.h"
#include "TestApp.h"
#include "app/frmTolvane.h"
#include "mail/EmailAccountsFile.h"
#include "mail/frmemail.h"

#include <QSignalSpy>
#include <QtTest>

// timer_emails and the mail module together: when rounds start and how accounts follow.
class TestMailRound : public QObject {
    Q_OBJECT

    static EmailAccount account(const QString& name, const QString& port)
    {
        EmailAccount a;
        a.fields = { name, "jo@example.fr", "jo", "pw", "127.0.0.1", port };
        return a;
    }
    static void prepare(TestApp& app, const QList<EmailAccount>& accounts)
    {
        app.settings->save(QStringLiteral("DisplayEmails"), QStringLiteral("1"));
        app.settings->save(QStringLiteral("TimerEmail"), QStringLiteral("10"));
        EmailAccountsFile::SaveEmailAccounts(app.appDir(), accounts, &app.fakes.dialogs);
    }
    static QTimer* timer(frmTolvane& bar) { return bar.findChild<QTimer*>("timer_emails"); }
    static frmemail* module(frmTolvane& bar) { return bar.findChild<frmemail*>("frmemail"); }
    static QString status(frmTolvane& bar, int k)
    {
        return module(bar)->checker().table().at(k).EmailStatus;
    }

private slots:
    // Accounts refused before connecting end their check at once, which makes ticks exact.
    void first_round_on_second_tick_accounts_one_per_tick_next_round_after_period()
    {
        TestApp app(false);
        prepare(app, { account("A", "0"), account("B", "0") });
        frmTolvane bar(app.context);
        bar.InitBar();
        QVERIFY(timer(bar)->isActive());
        QCOMPARE(module(bar)->NbEmailAccounts(), 2);
        QSignalSpy checks(module(bar), &frmemail::timerWanted);

        bar.onEmailTick();
        QCOMPARE(checks.count(), 0);
        QCOMPARE(status(bar, 0), QStringLiteral("... Connexion Serveur ..."));
        bar.onEmailTick();
        QCOMPARE(checks.count(), 1);
        QCOMPARE(status(bar, 0), QStringLiteral("<Port non correct>"));
        QCOMPARE(module(bar)->CurrentEmailAccount(), 1);
        QVERIFY(timer(bar)->isActive());
        bar.onEmailTick();
        QCOMPARE(checks.count(), 2);
        QCOMPARE(status(bar, 1), QStringLiteral("<Port non correct>"));
        QCOMPARE(module(bar)->CurrentEmailAccount(), 0);
        QCOMPARE(bar.mailCountdown(), 600);

        for (int tick = 1; tick < 600; ++tick)
            bar.onEmailTick();
        QCOMPARE(checks.count(), 2);
        QVERIFY(timer(bar)->isActive());
        bar.onEmailTick();
        QCOMPARE(checks.count(), 3);
    }

    void offline_at_due_tick_keeps_timer_and_checks_on_next_online_tick()
    {
        TestApp app(false);
        prepare(app, { account("A", "0") });
        frmTolvane bar(app.context);
        bar.InitBar();
        QSignalSpy checks(module(bar), &frmemail::timerWanted);
        app.fakes.connection.connected = false;
        bar.onEmailTick();
        bar.onEmailTick();
        bar.onEmailTick();
        QCOMPARE(checks.count(), 0);
        QVERIFY(timer(bar)->isActive());
        app.fakes.connection.connected = true;
        bar.onEmailTick();
        QCOMPARE(checks.count(), 1);
        QCOMPARE(bar.mailCountdown(), 600);
    }

    void click_on_title_starts_round_at_next_tick_but_not_during_a_check()
    {
        ScriptedPop3Server silent(QList<ScriptedPop3Server::Step> { ScriptedPop3Server::Step {} });
        TestApp app(false);
        prepare(app, { account("Silence", QString::number(silent.port())), account("B", "0") });
        frmTolvane bar(app.context);
        bar.InitBar();
        QWidget* title = module(bar)->findChild<QWidget*>("pictemail");
        bar.onEmailTick();
        bar.onEmailTick(); // first account: the server never answers
        QVERIFY(!timer(bar)->isActive());
        QTest::mouseClick(title, Qt::LeftButton);
        QCOMPARE(bar.mailCountdown(), 600);
        QVERIFY(!timer(bar)->isActive());
        QTRY_COMPARE(silent.connections, 1);

        // Back to a running countdown: the click makes the next tick start at the first account.
        module(bar)->restartAtFirstAccount();
        timer(bar)->start();
        QTest::mouseClick(title, Qt::LeftButton);
        QCOMPARE(bar.mailCountdown(), 0);
        bar.onEmailTick();
        QVERIFY(!timer(bar)->isActive()); // checking the silent first account again
        QTRY_COMPARE(silent.connections, 2);
    }

    void settings_applied_during_a_check_drop_it_and_start_over()
    {
        ScriptedPop3Server silent(QList<ScriptedPop3Server::Step> { ScriptedPop3Server::Step {} });
        TestApp app(false);
        prepare(app, { account("Silence", QString::number(silent.port())), account("B", "0") });
        frmTolvane bar(app.context);
        bar.InitBar();
        bar.onEmailTick();
        bar.onEmailTick();
        QVERIFY(module(bar)->checker().isChecking());
        bar.InitBar();
        QVERIFY(!module(bar)->checker().isChecking());
        QVERIFY(timer(bar)->isActive());
        QCOMPARE(bar.mailCountdown(), 2);
        QCOMPARE(module(bar)->CurrentEmailAccount(), 0);
        QCOMPARE(status(bar, 0), QStringLiteral("... Connexion Serveur ..."));
    }
};

QTEST_MAIN(TestMailRound)
#include "TestMailRound.moc"
