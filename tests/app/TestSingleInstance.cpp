#include "ProgramEnvironment.h"
#include "platform/linux/SingleInstanceLock.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

// Starts the real program twice, as a user would.
class TestSingleInstance : public QObject {
    Q_OBJECT

    // The process holding an flock on the lock file, from /proc/locks, 0 when none: a probe
    // that took the lock itself could make the program it watches believe a copy is running.
    static qint64 lockHolder(const QString& folder)
    {
        struct stat file { };
        const QString path = SingleInstanceLock(QStringLiteral("tolvane"), folder).path();
        if (::stat(QFile::encodeName(path).constData(), &file) != 0)
            return 0;
        QFile locks(QStringLiteral("/proc/locks"));
        if (!locks.open(QIODevice::ReadOnly | QIODevice::Text))
            return 0;
        const QByteArray inode = ":" + QByteArray::number(quint64(file.st_ino)) + " ";
        for (const QByteArray& line : locks.readAll().split('\n')) {
            const QList<QByteArray> f = line.simplified().split(' ');
            if (f.size() > 5 && f[1] == "FLOCK" && (f[5] + ' ').endsWith(inode))
                return f[4].toLongLong();
        }
        return 0;
    }

private slots:
    void second_copy_says_so_and_ends_while_the_first_keeps_running_data()
    {
        QTest::addColumn<bool>("ownRuntimeFolder");
        QTest::newRow("same session") << false;
        // A home shared by two machines, or a session without XDG_RUNTIME_DIR: the data
        // folder is shared all the same.
        QTest::newRow("same data folder, another runtime folder") << true;
    }
    void second_copy_says_so_and_ends_while_the_first_keeps_running()
    {
        QFETCH(bool, ownRuntimeFolder);
        QTemporaryDir home;
        QTemporaryDir otherRuntime;
        QProcess first;
        first.setProcessEnvironment(programEnvironment(home.path()));
        first.start(QStringLiteral(TOLVANE_BINARY), {});
        QVERIFY(first.waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(lockHolder(home.path()), first.processId(), 20000);

        QProcess second;
        second.setProcessEnvironment(
            programEnvironment(home.path(), ownRuntimeFolder ? otherRuntime.path() : QString()));
        second.start(QStringLiteral(TOLVANE_BINARY), {});
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(QString::fromUtf8(second.readAllStandardError())
                    .contains(QStringLiteral(
                        "La Tolvane est d\u00e9j\u00e0 pr\u00e9sente en m\u00e9moire ;-)")));

        QCOMPARE(first.state(), QProcess::Running);
        QCOMPARE(lockHolder(home.path()), first.processId());
        first.kill();
        first.waitForFinished();
        // The kernel drops the lock with the process: a crash never blocks the next start.
        QCOMPARE(lockHolder(home.path()), 0);
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "TestSingleInstance.moc"
