#include "platform/linux/SingleInstanceLock.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// Starts the real program twice, as a user would.
class TestSingleInstance : public QObject {
    Q_OBJECT

    static QProcessEnvironment environment(const QTemporaryDir& home)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
        env.insert(QStringLiteral("TOLVANE_NO_DIALOGS"), QStringLiteral("1"));
        return env;
    }

    static bool lockIsHeld(const QString& folder)
    {
        SingleInstanceLock probe(QStringLiteral("tolvane"), folder);
        return !probe.tryAcquire();
    }

private slots:
    void second_copy_says_so_and_ends_while_the_first_keeps_running()
    {
        QTemporaryDir home;
        QProcess first;
        first.setProcessEnvironment(environment(home));
        first.start(QStringLiteral(TOLVANE_BINARY), {});
        QVERIFY(first.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(lockIsHeld(home.path()), 20000);

        QProcess second;
        second.setProcessEnvironment(environment(home));
        second.start(QStringLiteral(TOLVANE_BINARY), {});
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(QString::fromUtf8(second.readAllStandardError())
                    .contains(QStringLiteral(
                        "La Tolvane est d\u00e9j\u00e0 pr\u00e9sente en m\u00e9moire ;-)")));

        QCOMPARE(first.state(), QProcess::Running);
        QVERIFY(lockIsHeld(home.path()));
        first.kill();
        first.waitForFinished();
        // The kernel drops the lock with the process: a crash never blocks the next start.
        QVERIFY(!lockIsHeld(home.path()));
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "TestSingleInstance.moc"
