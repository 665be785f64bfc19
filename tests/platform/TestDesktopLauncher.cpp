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
        QTest::newRow("binary") << QByteArray("\177ELF\2\1\1") << true << true;
        QTest::newRow("script") << QByteArray("#!/bin/sh\necho\n") << true << true;
        QTest::newRow("document marked executable, as on FAT")
            << QByteArray("%PDF-1.4") << true << false;
        QTest::newRow("binary without the executable bit")
            << QByteArray("\177ELF\2\1\1") << false << false;
        QTest::newRow("empty executable file") << QByteArray() << true << false;
    }
    void programs_are_told_by_their_first_bytes()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, executable);
        QFETCH(bool, program);
        QFile file(m_dir.filePath(QString::fromLatin1(QTest::currentDataTag())));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner
            | (executable ? QFileDevice::ExeOwner : QFileDevice::Permissions()));
        QCOMPARE(DesktopLauncher().isProgram(file.fileName()), program);
        QVERIFY(!DesktopLauncher().isProgram(m_dir.path()));
    }

    void locations_are_browsable_when_a_back_end_exists_data()
    {
        QTest::addColumn<QString>("location");
        QTest::addColumn<bool>("browsable");
        QTest::newRow("trash with its back end") << "trash:///" << true;
        QTest::newRow("network without one") << "network:///" << false;
        QTest::newRow("existing folder") << "/" << true;
        QTest::newRow("missing folder") << "/nulle/part" << false;
        QTest::newRow("file address") << "file:///" << true;
    }
    void locations_are_browsable_when_a_back_end_exists()
    {
        QFETCH(QString, location);
        QFETCH(bool, browsable);
        QFile mount(m_dir.filePath(QStringLiteral("trash.mount")));
        QVERIFY(mount.open(QIODevice::WriteOnly));
        QCOMPARE(DesktopLauncher(m_dir.path()).canBrowse(location), browsable);
    }
};

QTEST_GUILESS_MAIN(TestDesktopLauncher)
#include "TestDesktopLauncher.moc"
