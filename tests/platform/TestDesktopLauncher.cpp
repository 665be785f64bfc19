#include "DataRow.h"
#include "TestFiles.h"
#include "platform/linux/DesktopLauncher.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestDesktopLauncher : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void programs_are_told_by_their_first_bytes_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("executable");
        QTest::addColumn<bool>("program");
        dataRow("binary", QByteArray("\177ELF\2\1\1"), true, true);
        dataRow("script", QByteArray("#!/bin/sh\necho\n"), true, true);
        dataRow("document marked executable, as on FAT", QByteArray("%PDF-1.4"), true, false);
        dataRow("binary without the executable bit", QByteArray("\177ELF\2\1\1"), false, false);
        dataRow("empty executable file", QByteArray(), true, false);
    }
    void programs_are_told_by_their_first_bytes()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, executable);
        QFile file(m_dir.filePath(QString::fromLatin1(QTest::currentDataTag())));
        writeBytes(file.fileName(), content);
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner
            | (executable ? QFileDevice::ExeOwner : QFileDevice::Permissions()));
        QTEST(DesktopLauncher().isProgram(file.fileName()), "program");
        QVERIFY(!DesktopLauncher().isProgram(m_dir.path()));
    }

    void locations_are_browsable_when_a_back_end_exists_data()
    {
        QTest::addColumn<QString>("location");
        QTest::addColumn<bool>("browsable");
        dataRow("trash with its back end", "trash:///", true);
        dataRow("network without one", "network:///", false);
        dataRow("existing folder", "/", true);
        dataRow("missing folder", "/nulle/part", false);
        dataRow("file address", "file:///", true);
    }
    void locations_are_browsable_when_a_back_end_exists()
    {
        QFETCH(QString, location);
        writeBytes(m_dir.filePath(QStringLiteral("trash.mount")), {});
        QTEST(DesktopLauncher(m_dir.path()).canBrowse(location), "browsable");
    }
};

QTEST_GUILESS_MAIN(TestDesktopLauncher)
#include "TestDesktopLauncher.moc"
