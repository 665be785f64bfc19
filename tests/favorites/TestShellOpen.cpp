#include "DataRow.h"
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
        dataRow("missing file", document + "2", true, 2, notFound + document + "2");
        dataRow("missing folder", missing, true, 3,
            QStringLiteral("R\u00e9pertoire non trouv\u00e9 \n") + missing);
        dataRow("program not on PATH", "Pelnorix", true, 2, notFound + "Pelnorix");
        dataRow("empty item", "", true, 2, notFound);
        dataRow("web address", "https://www.example.org/", true, 33, "");
        dataRow("address without scheme", "www.example.org", true, 33, "");
        dataRow("folder", m_dir.path(), true, 33, "");
        dataRow("document", document, true, 33, "");
        dataRow("no program for the document", document, false, 31,
            QStringLiteral("SE_ERR_NOASSOC\n") + document);
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
        fakes.launcher.programs = { script };
        QVERIFY(ShellOpen(fakes.services(), "Pelnorix.exe", "--hote \"mon poste\"") > 32);
        QVERIFY(ShellOpen(fakes.services(), script) > 32);
        QCOMPARE(fakes.launcher.started,
            QList<QStringList>({ { "/usr/bin/Pelnorix", "--hote", "mon poste" }, { script } }));
    }

    void desktop_launcher_starts_what_it_describes_data()
    {
        QTest::addColumn<QByteArray>("launcher");
        QTest::addColumn<int>("result");
        QTest::addColumn<QList<QStringList>>("started");
        QTest::addColumn<QStringList>("opened");
        dataRow("program with field codes",
            QByteArray("[Desktop Entry]\nType=Application\nName=Gimp\n"
                       "Exec=Pelnorix --nouveau \"%U\" %%x\n[Desktop Action new]\nExec=autre\n"),
            42, QList<QStringList> { { "/usr/bin/Pelnorix", "--nouveau", "%x" } }, QStringList());
        dataRow("link", QByteArray("[Desktop Entry]\nType=Link\nURL=https://a.fr/\n"), 42,
            QList<QStringList>(), QStringList { "https://a.fr/" });
        dataRow("program not installed", QByteArray("[Desktop Entry]\nExec=absent\n"), 2,
            QList<QStringList>(), QStringList());
        dataRow("nothing to start", QByteArray("[Desktop Entry]\nName=Vide\n"), 31,
            QList<QStringList>(), QStringList());
    }
    void desktop_launcher_starts_what_it_describes()
    {
        QFETCH(QByteArray, launcher);
        QFETCH(QList<QStringList>, started);
        QFETCH(QStringList, opened);
        FakePlatform fakes;
        fakes.launcher.available = { QStringLiteral("Pelnorix") };
        const QString path = makeFile(QStringLiteral("lanceur.desktop"),
            QFileDevice::ReadOwner | QFileDevice::WriteOwner, launcher);
        QTEST(std::min(ShellOpen(fakes.services(), path), 42), "result");
        QCOMPARE(fakes.launcher.started, started);
        QCOMPARE(fakes.launcher.opened, opened);
    }
};

QTEST_GUILESS_MAIN(TestShellOpen)
#include "TestShellOpen.moc"
