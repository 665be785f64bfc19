#include "../ScriptedPop3Server.h"
#include "TestApp.h"
#include "app/BarTimers.h"
#include "app/frmTolvane.h"
#include "mail/EmailAccountsFile.h"
#include "mail/frmemail.h"
#include "shell/SettingsKeys.h"

#include <QSignalSpy>
#include <QtTest>

// timer_emails and the mail module together: when rounds start and how accounts follow.
// Port "0" is refused before connecting, so such a check ends at once and ticks are exact.
class TestMailRound : public QObject {
    Q_OBJECT

    struct Bar {
        TestApp app { false };
        std::unique_ptr<frmTolvane> window;
        frmemail* module = nullptr;
        SecondTimer* timer = nullptr;

        explicit Bar(const QStringList& ports)
        {
            app.settings->save(Keys::DisplayEmails, QStringLiteral("1"));
            app.settings->save(Keys::TimerEmail, QStringLiteral("10"));
            QList<EmailAccount> accounts;
            for (const QString& port : ports)
                accounts.append(
                    EmailAccount { { "Compte", "jo@example.fr", "jo", "pw", "127.0.0.1", port } });
            EmailAccountsFile::SaveEmailAccounts(app.dataDir(), accounts, &app.fakes.dialogs);
            window = std::make_unique<frmTolvane>(app.context);
            window->InitBar();
            module = window->findChild<frmemail*>("frmemail");
            timer = window->findChild<SecondTimer*>("timer_emails");
        }
        QString status(int k) const { return module->checker().table().at(k).EmailStatus; }
        void ticks(int count)
        {
            for (int n = 0; n < count; ++n)
                window->timers().onEmailTick();
        }
    };

private slots:
    void a_round_checks_one_account_per_tick_then_waits_a_period()
    {
        Bar bar({ "0", "0" });
        QSignalSpy checks(bar.module, &frmemail::timerWanted);
        bar.ticks(2);
        QCOMPARE(checks.count(), 1);
        QCOMPARE(bar.status(0), QStringLiteral("<Port non correct>"));
        QCOMPARE(bar.status(1), QStringLiteral("... Connexion Serveur ..."));
        QVERIFY(bar.timer->isActive());
        bar.ticks(1);
        QCOMPARE(checks.count(), 2);
        QCOMPARE(bar.status(1), QStringLiteral("<Port non correct>"));
        QCOMPARE(bar.module->CurrentEmailAccount(), 0);
        QCOMPARE(bar.window->timers().countdowns().mail(), 600);
    }

    // The network code of a round is not kept resident until the next one, a period later.
    void memory_is_handed_back_once_a_round_is_over_data()
    {
        QTest::addColumn<QStringList>("ports");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("releases");
        QTest::newRow("first of two accounts checked") << QStringList { "0", "0" } << 2 << 0;
        QTest::newRow("round of two accounts over") << QStringList { "0", "0" } << 3 << 1;
        QTest::newRow("one account: every check a round") << QStringList { "0" } << 2 << 1;
        QTest::newRow("no account") << QStringList {} << 3 << 0;
    }
    void memory_is_handed_back_once_a_round_is_over()
    {
        QFETCH(QStringList, ports);
        QFETCH(int, ticks);
        Bar bar(ports);
        bar.module->setMemoryReleaseDelay(10);
        bar.ticks(ticks);
        // The bar's own tick, each wall-clock second, must not check another account meanwhile.
        bar.timer->stop();
        QCOMPARE(bar.app.fakes.memoryRelease.releases, 0); // not while the last login may run
        QTest::qWait(100);
        QTEST(bar.app.fakes.memoryRelease.releases, "releases");
    }

    void click_on_title_starts_round_at_next_tick_but_not_during_a_check()
    {
        ScriptedPop3Server silent({ ScriptedPop3Server::Step {} });
        Bar bar({ silent.port(), "0" });
        QWidget* title = bar.module->findChild<QWidget*>("pictemail");
        bar.ticks(2); // first account: the server never answers
        QVERIFY(!bar.timer->isActive());
        QTest::mouseClick(title, Qt::LeftButton);
        QCOMPARE(bar.window->timers().countdowns().mail(), 600);
        QVERIFY(!bar.timer->isActive());
        QTRY_COMPARE(silent.connections, 1);

        // Back to a running countdown: the click makes the next tick start at the first account.
        bar.module->restartAtFirstAccount();
        bar.timer->start();
        QTest::mouseClick(title, Qt::LeftButton);
        QCOMPARE(bar.window->timers().countdowns().mail(), 0);
        bar.ticks(1);
        QTRY_COMPARE(silent.connections, 2);
    }

    void settings_applied_during_a_check_drop_it_data()
    {
        QTest::addColumn<bool>("stillShown");
        QTest::newRow("module still shown: a new round") << true;
        QTest::newRow("module switched off: no more checks") << false;
    }
    void settings_applied_during_a_check_drop_it()
    {
        QFETCH(bool, stillShown);
        ScriptedPop3Server silent({ ScriptedPop3Server::Step {} });
        Bar bar({ silent.port(), "0" });
        bar.ticks(2);
        QVERIFY(bar.module->checker().isChecking());
        bar.app.settings->save(Keys::DisplayEmails, stillShown ? "1" : "0");
        bar.window->InitBar();
        QVERIFY(!bar.module->checker().isChecking());
        QCOMPARE(bar.timer->isActive(), stillShown);
        if (stillShown) {
            QCOMPARE(bar.window->timers().countdowns().mail(), 2);
            QCOMPARE(bar.status(0), QStringLiteral("... Connexion Serveur ..."));
        }
    }
};

QTEST_MAIN(TestMailRound)
#include "TestMailRound.moc"
