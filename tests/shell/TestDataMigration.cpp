#include "TestFiles.h"
#include "shell/DataMigration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

// The data files an earlier run left beside the program are moved to the user's data folder once,
// never over a file already there, and never lost when the move fails half-way.
class TestDataMigration : public QObject {
    Q_OBJECT

    // Beside the program: every data file, each holding its own name, and two notes.
    static void fillOldFolder(const QString& dir)
    {
        for (const QString& name : DataMigration::DataFileNames()) {
            if (name != QLatin1String("pensebete"))
                writeBytes(dir + u'/' + name, name.toUtf8() + "\r\n");
        }
        writeBytes(dir + QStringLiteral("/pensebete/1.txt"), "premi\xe8re note");
        writeBytes(dir + QStringLiteral("/pensebete/2.txt"), "seconde note");
        writeBytes(dir + QStringLiteral("/tolvane"), "the program stays");
    }

    // Refuses every rename, as between two file systems.
    static bool acrossFileSystems(const QString&, const QString&) { return false; }

private slots:
    void moves_every_data_file_once_data()
    {
        QTest::addColumn<bool>("sameFileSystem");
        QTest::newRow("rename") << true;
        QTest::newRow("copy between file systems") << false;
    }
    void moves_every_data_file_once()
    {
        QFETCH(bool, sameFileSystem);
        QTemporaryDir program, data;
        fillOldFolder(program.path());

        const auto result = DataMigration::MoveOldDataFiles(program.path(), data.path(),
            sameFileSystem ? DataMigration::RenameFunction() : acrossFileSystems);

        QCOMPARE(result.moved, DataMigration::DataFileNames());
        QVERIFY(result.failed.isEmpty());
        for (const QString& name : DataMigration::DataFileNames()) {
            QVERIFY2(!QFileInfo::exists(program.filePath(name)), qPrintable(name));
            if (name != QLatin1String("pensebete"))
                QCOMPARE(readBytes(data.filePath(name)), name.toUtf8() + "\r\n");
        }
        QCOMPARE(readBytes(data.filePath(QStringLiteral("pensebete/1.txt"))), "premi\xe8re note");
        QCOMPARE(readBytes(data.filePath(QStringLiteral("pensebete/2.txt"))), "seconde note");
        QCOMPARE(readBytes(program.filePath(QStringLiteral("tolvane"))), "the program stays");
        QCOMPARE(QDir(data.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(),
            DataMigration::DataFileNames().size()); // no staging copy left behind

        // The next start finds nothing more to move.
        const auto again = DataMigration::MoveOldDataFiles(program.path(), data.path());
        QVERIFY(again.moved.isEmpty() && again.keptBeside.isEmpty() && again.failed.isEmpty());
    }

    void never_overwrites_what_the_data_folder_has()
    {
        QTemporaryDir program, data;
        fillOldFolder(program.path());
        writeBytes(data.filePath(QStringLiteral("tolvane_EmailAccounts.dat")), "newer accounts");
        writeBytes(data.filePath(QStringLiteral("pensebete/1.txt")), "newer note");

        const auto result = DataMigration::MoveOldDataFiles(program.path(), data.path());

        QCOMPARE(result.keptBeside,
            QStringList(
                { QStringLiteral("tolvane_EmailAccounts.dat"), QStringLiteral("pensebete") }));
        QCOMPARE(readBytes(data.filePath(QStringLiteral("tolvane_EmailAccounts.dat"))),
            "newer accounts");
        QCOMPARE(readBytes(data.filePath(QStringLiteral("pensebete/1.txt"))), "newer note");
        QVERIFY(!QFileInfo::exists(data.filePath(QStringLiteral("pensebete/2.txt"))));
        // What was not moved stays where it was, whole.
        QCOMPARE(readBytes(program.filePath(QStringLiteral("tolvane_EmailAccounts.dat"))),
            "tolvane_EmailAccounts.dat\r\n");
        QCOMPARE(readBytes(program.filePath(QStringLiteral("pensebete/2.txt"))), "seconde note");
        QCOMPARE(readBytes(data.filePath(QStringLiteral("tolvane_FavInternet.dat"))),
            "tolvane_FavInternet.dat\r\n");
    }

    void a_copy_failing_half_way_loses_nothing()
    {
        QTemporaryDir program, data;
        fillOldFolder(program.path());
        // A note that cannot be read makes the copy of the folder fail after the first file.
        QVERIFY(QFile::link(program.filePath(QStringLiteral("gone")),
            program.filePath(QStringLiteral("pensebete/3.txt"))));

        const auto result
            = DataMigration::MoveOldDataFiles(program.path(), data.path(), acrossFileSystems);

        QCOMPARE(result.failed, QStringList { QStringLiteral("pensebete") });
        QCOMPARE(result.moved.size(), DataMigration::DataFileNames().size() - 1);
        QCOMPARE(
            readBytes(program.filePath(QStringLiteral("pensebete/1.txt"))), "premi\xe8re note");
        QCOMPARE(readBytes(program.filePath(QStringLiteral("pensebete/2.txt"))), "seconde note");
        QVERIFY(!QFileInfo::exists(data.filePath(QStringLiteral("pensebete"))));
        QVERIFY(!QFileInfo::exists(data.filePath(QStringLiteral("pensebete.moving"))));
    }

    void the_same_folder_is_left_alone()
    {
        QTemporaryDir program;
        fillOldFolder(program.path());
        const auto result = DataMigration::MoveOldDataFiles(program.path(), program.path());
        QVERIFY(result.moved.isEmpty() && result.failed.isEmpty());
        QCOMPARE(readBytes(program.filePath(QStringLiteral("tolvane_FavWindows.dat"))),
            "tolvane_FavWindows.dat\r\n");
    }
};

QTEST_GUILESS_MAIN(TestDataMigration)
#include "TestDataMigration.moc"
