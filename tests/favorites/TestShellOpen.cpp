#include "FakePlatform.h"
#include "favorites/ShellOpen.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestShellOpen : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString makeFile(
        const QString& name, QFileDevice::Permissions permissions, const QByteArray& content = {})
    {
        QFile file(m_dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(content);
        file.setPermissions(permissions);
        return file.fileName();
    }

private slots:
    void result_codes_and_messages_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("desktopCanOpen");
        QTest::addColumn<int>("result"); // 33: any code above 32
        QTest::addColumn<QString>("message"); // empty: no message box
        const QString missing = m_dir.filePath(QStringLiteral("nulle/part.txt"));
        const QString document = makeFile(QStringLiteral("plan.xyz"), QFileDevice::ReadOwner);
        const QString notFound = QStringLiteral("Fichier non trouv\u00e9 \n");
        QTest::newRow("missing file") << document + "2" << true << 2 << notFound + document + "2";
        QTest::newRow("missing folder")
            << missing << true << 3
            << QStringLiteral("R\u00e9pertoire non trouv\u00e9 \n") + missing;
        QTest::newRow("program not on PATH") << "Pelnorix" << true << 2 << notFound + "Pelnorix";
        QTest::newRow("empty item") << "" << true << 2 << notFound;
        QTest::newRow("web address") << "https://www.example.org/" << true << 33 << "";
        QTest::newRow("address without scheme") << "www.example.org" << true << 33 << "";
        QTest::newRow("folder") << m_dir.path() << true << 33 << "";
        QTest::newRow("document") << document << true << 33 << "";
        QTest::newRow("document marked executable, as on FAT") << makeFile(
            QStringLiteral("rapport.pdf"), QFileDevice::ReadOwner | QFileDevice::ExeOwner,
            "%PDF-1.4") << true << 33 << "";
        QTest::newRow("no program for the document")
            << document << false << 31 << QStringLiteral("SE_ERR_NOASSOC\n") + document;
    }
    void result_codes_and_messages()
    {
        QFETCH(QString, item);
        QFETCH(bool, desktopCanOpen);
        QFETCH(int, result);
        QFETCH(QString, message);
        FakePlatform fakes;
        fakes.launcher.succeed = desktopCanOpen;
        QCOMPARE(std::min(ShellOpen(fakes.services(), item), 33), result);
        QCOMPARE(fakes.launcher.opened, result >= 31 ? QStringList { item } : QStringList());
        QCOMPARE(fakes.dialogs.messages.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) {
            QCOMPARE(fakes.dialogs.messages[0].icon, Dialogs::Icon::Critical);
            QCOMPARE(fakes.dialogs.messages[0].text, message);
        }
    }

    void program_is_started_with_its_parameters()
    {
        FakePlatform fakes;
        fakes.launcher.available = { QStringLiteral("Pelnorix") };
        const QString script = makeFile(QStringLiteral("outil.sh"),
            QFileDevice::ReadOwner | QFileDevice::ExeOwner, "#!/bin/sh\n");
        QVERIFY(ShellOpen(fakes.services(), "Pelnorix.exe", "--hote \"mon poste\"") > 32);
        QVERIFY(ShellOpen(fakes.services(), script) > 32);
        QCOMPARE(fakes.launcher.started,
            QList<QStringList>({ { "/usr/bin/Pelnorix", "--hote", "mon poste" }, { script } }));
    }
};

QTEST_GUILESS_MAIN(TestShellOpen)
#include "TestShellOpen.moc"
