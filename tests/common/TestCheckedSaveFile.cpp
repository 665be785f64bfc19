#include "ChildLimits.h"
#include "TestFiles.h"
#include "common/CheckedSaveFile.h"
#include "common/DataFolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestCheckedSaveFile : public QObject {
    Q_OBJECT
private slots:
    void full_disk_fails_the_save_and_keeps_the_old_bytes_data()
    {
        QTest::addColumn<int>("writes");
        QTest::newRow("one write past the limit") << 1;
        QTest::newRow("many small writes, the last ones past the limit") << 40;
    }
    void full_disk_fails_the_save_and_keeps_the_old_bytes()
    {
        QFETCH(int, writes);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tolvane_test.dat"));
        writeBytes(path, "the old content\r\n");
        const QByteArray piece(3000 / writes, 'x');
        const int result = runWithFileSizeLimit(1024, [&] {
            CheckedSaveFile file(path);
            if (!file.open())
                return true; // must not count as a failed write
            bool ok = true;
            for (int n = 0; n < writes; ++n)
                ok = file.write(piece) && ok;
            return file.commit() || ok;
        });
        QCOMPARE(result, 0);
        QCOMPARE(readBytes(path), QByteArray("the old content\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList { QStringLiteral("tolvane_test.dat") });
    }

    void cancelled_or_abandoned_save_keeps_the_old_file()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("f.dat"));
        writeBytes(path, "old");
        {
            CheckedSaveFile file(path);
            QVERIFY(file.open());
            QVERIFY(file.write("half"));
            file.cancel();
            QVERIFY(!file.commit());
        }
        {
            CheckedSaveFile file(path);
            QVERIFY(file.open());
            QVERIFY(file.write("half"));
        }
        QCOMPARE(readBytes(path), QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    void stale_copies_of_our_files_are_removed_others_kept()
    {
        QTemporaryDir dir;
        const QStringList files { "tolvane.ini", "tolvane.ini.aB3xY9", "tolvane_Notes.dat.Qw12Er",
            "tolvane_Notes.dat", "tolvane.ini.bak", "tolvane.ini.abc", "other.txt.aB3xY9",
            "tolvane_Notes.dat.Qw12E!" };
        for (const QString& name : files)
            writeBytes(dir.filePath(name), "x");
        QCOMPARE(DataFolder::removeStaleCopies(dir.path(),
                     { QStringLiteral("tolvane.ini"), QStringLiteral("tolvane_*.dat") }),
            2);
        QStringList expected { "tolvane.ini", "tolvane_Notes.dat", "tolvane.ini.bak",
            "tolvane.ini.abc", "other.txt.aB3xY9", "tolvane_Notes.dat.Qw12E!" };
        expected.sort();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
    }
};

QTEST_GUILESS_MAIN(TestCheckedSaveFile)
#include "TestCheckedSaveFile.moc"
