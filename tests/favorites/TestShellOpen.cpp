#include "FakePlatform.h"
#include "favorites/ShellOpen.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestShellOpen : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString makeFile(const QString& name, QFileDevice::Permissions permissions)
    {
        const QString path = m_dir.path() + QLatin1Char('/') + name;
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("x");
        file.close();
        file.setPermissions(permissions);
        return path;
    }

private slots:
    void result_codes_and_messages_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("message"); // empty: no message box
        const QString missingFile = m_dir.path() + QStringLiteral("/absent.txt");
        const QString missingFolder = m_dir.path() + QStringLiteral("/nulle/part.txt");
        QTest::newRow("missing file")
            << missingFile << 2 << QStringLiteral("Fichier non trouv\u00e9 \n") + missingFile;
        QTest::newRow("missing folder")
            << missingFolder << 3
            << QStringLiteral("R\u00e9pertoire non trouv\u00e9 \n") + missingFolder;
        QTest::newRow("program not on PATH")
            << "Pelnorix" << 2 << QStringLiteral("Fichier non trouv\u00e9 \nPelnorix");
        QTest::newRow("empty item") << "" << 2 << QStringLiteral("Fichier non trouv\u00e9 \n");
        QTest::newRow("web address") << "https://www.example.org/" << 42 << "";
        QTest::newRow("address without scheme") << "www.example.org" << 42 << "";
        QTest::newRow("folder") << m_dir.path() << 42 << "";
    }
    void result_codes_and_messages()
    {
        QFETCH(QString, item);
        QFETCH(int, result);
        QFETCH(QString, message);
        FakePlatform fakes;
        QCOMPARE(ShellOpen(fakes.services(), item), result);
        if (message.isEmpty()) {
            QVERIFY(fakes.dialogs.messages.isEmpty());
            return;
        }
        QCOMPARE(fakes.dialogs.messages.size(), 1);
        QCOMPARE(fakes.dialogs.messages[0].icon, Dialogs::Icon::Critical);
        QCOMPARE(fakes.dialogs.messages[0].text, message);
    }

    void program_on_path_is_started_with_its_parameters()
    {
        FakePlatform fakes;
        fakes.launcher.available = { QStringLiteral("Pelnorix") };
        QVERIFY(ShellOpen(fakes.services(), QStringLiteral("Pelnorix.exe"),
                    QStringLiteral("--hote \"mon poste\""))
            > 32);
        QCOMPARE(fakes.launcher.started.size(), 1);
        QCOMPARE(fakes.launcher.started[0],
            QStringList({ QStringLiteral("/usr/bin/Pelnorix"), QStringLiteral("--hote"),
                QStringLiteral("mon poste") }));
    }

    void document_opens_with_the_desktop_and_executable_starts()
    {
        FakePlatform fakes;
        const QString document = makeFile(
            QStringLiteral("lettre.txt"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        const QString program
            = makeFile(QStringLiteral("outil.sh"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QVERIFY(ShellOpen(fakes.services(), document) > 32);
        QCOMPARE(fakes.launcher.opened, QStringList { document });
        QVERIFY(ShellOpen(fakes.services(), program) > 32);
        QCOMPARE(fakes.launcher.started.value(0).value(0), program);
    }

    void desktop_without_a_program_for_the_item()
    {
        FakePlatform fakes;
        fakes.launcher.succeed = false;
        const QString document = makeFile(
            QStringLiteral("plan.xyz"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(ShellOpen(fakes.services(), document), 31);
        QCOMPARE(
            fakes.dialogs.messages.value(0).text, QStringLiteral("SE_ERR_NOASSOC\n") + document);
    }

    void messages_of_every_listed_code()
    {
        QCOMPARE(ShellResult::Message(5), QStringLiteral("Acc\u00e8s Refus\u00e9 "));
        QCOMPARE(ShellResult::Message(8), QStringLiteral("Pas assez de m\u00e9moire"));
        QCOMPARE(ShellResult::Message(32), QStringLiteral("DLL non trouv\u00e9e"));
        QCOMPARE(ShellResult::Message(4), QString());
        QCOMPARE(ShellResult::Message(42), QString());
    }
};

QTEST_GUILESS_MAIN(TestShellOpen)
#include "TestShellOpen.moc"
