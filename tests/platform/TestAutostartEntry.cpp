#include "DataRow.h"
#include "TestFiles.h"
#include "platform/linux/AutostartEntry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestAutostartEntry : public QObject {
    Q_OBJECT
private slots:
    void entry_is_written_and_removed()
    {
        QTemporaryDir config;
        const QString folder = config.filePath(QStringLiteral("autostart"));
        AutostartEntry entry(folder, QStringLiteral("/opt/tolvane/bin/tolvane"));
        QVERIFY(!entry.isEnabled());

        QVERIFY(entry.setEnabled(true)); // the folder is made when missing
        QVERIFY(entry.isEnabled());
        const QByteArray text = readBytes(folder + QStringLiteral("/tolvane.desktop"));
        QVERIFY(text.startsWith("[Desktop Entry]\n"));
        QVERIFY(text.contains("\nType=Application\n"));
        QVERIFY(text.contains("\nExec=/opt/tolvane/bin/tolvane\n"));
        QVERIFY(entry.setEnabled(true)); // already there: nothing to do

        QVERIFY(entry.setEnabled(false));
        QVERIFY(!QFile::exists(folder + QStringLiteral("/tolvane.desktop")));
        QVERIFY(entry.setEnabled(false)); // already gone

        QVERIFY(QDir(folder).removeRecursively());
        writeBytes(folder, {}); // a file where the folder goes: the entry cannot be written
        QVERIFY(!entry.setEnabled(true));
    }

    void program_path_is_quoted_for_exec_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("exec");
        dataRow("plain", "/usr/bin/tolvane", "/usr/bin/tolvane");
        dataRow("space", "/home/a b/tolvane", "\"/home/a b/tolvane\"");
        dataRow("dollar", "/home/$x/tolvane", "\"/home/\\\\$x/tolvane\"");
        dataRow("quote", "/home/a\"b/tolvane", "\"/home/a\\\\\"b/tolvane\"");
        dataRow("accent only", "/home/h\u00e9l\u00e8ne/tolvane", "/home/h\u00e9l\u00e8ne/tolvane");
    }
    void program_path_is_quoted_for_exec()
    {
        QFETCH(QString, path);
        QTEST(AutostartEntry::execArgument(path), "exec");
    }
};

QTEST_GUILESS_MAIN(TestAutostartEntry)
#include "TestAutostartEntry.moc"
