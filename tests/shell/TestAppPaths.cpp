#include "ChildLimits.h"
#include "DataRow.h"
#include "TestFiles.h"
#include "shell/AppPaths.h"
#include "shell/SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

// Where the program's files and the user's files are found, for a program run from the build and
// one installed under a prefix, with and without the XDG variables.
class TestAppPaths : public QObject {
    Q_OBJECT

    QTemporaryDir m_root;

    QString at(const QString& relative) const
    {
        return relative.isEmpty() ? QString() : m_root.filePath(relative);
    }

    static int modeOf(const QString& path)
    {
        struct stat info { };
        return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777)
                                                                       : -1;
    }

private slots:
    void initTestCase()
    {
        // A build folder holds the shipped files beside the program; an install keeps them in
        // the prefix's share folder.
        QDir(m_root.path()).mkpath(QStringLiteral("build/src/app/skins/default"));
        QDir(m_root.path()).mkpath(QStringLiteral("prefix/bin"));
        QDir(m_root.path()).mkpath(QStringLiteral("prefix/share/tolvane/skins/default"));
        QDir(m_root.path()).mkpath(QStringLiteral("bare/bin"));
    }

    void resolves_program_files_and_user_folders_data()
    {
        QTest::addColumn<QString>("programDir");
        QTest::addColumn<QString>("dataHome");
        QTest::addColumn<QString>("configHome");
        QTest::addColumn<QString>("appDir");
        QTest::addColumn<QString>("dataDir");
        QTest::addColumn<QString>("autostartDir");

        const char* data = "home/.local/share/tolvane";
        const char* autostart = "home/.config/autostart";
        dataRow("build, XDG unset", "build/src/app", "", "", "build/src/app", data, autostart);
        dataRow(
            "installed, XDG unset", "prefix/bin", "", "", "prefix/share/tolvane", data, autostart);
        dataRow("installed, XDG set", "prefix/bin", "xdg/data", "xdg/config",
            "prefix/share/tolvane", "xdg/data/tolvane", "xdg/config/autostart");
        // A relative XDG value is not a base folder: it is ignored as if unset.
        dataRow("installed, relative XDG ignored", "prefix/bin", "@relative/data",
            "@relative/config", "prefix/share/tolvane", data, autostart);
        // Neither beside it nor installed: the program's folder, as before.
        dataRow("no shipped files anywhere", "bare/bin", "", "", "bare/bin", data, autostart);
    }
    void resolves_program_files_and_user_folders()
    {
        QFETCH(QString, programDir);
        QFETCH(QString, dataHome);
        QFETCH(QString, configHome);
        const auto variable = [this](const QString& value) {
            return value.startsWith(u'@') ? value.mid(1) : at(value);
        };
        AppPaths::Environment env;
        env.programDir = at(programDir);
        env.home = at(QStringLiteral("home"));
        env.xdgDataHome = variable(dataHome);
        env.xdgConfigHome = variable(configHome);
        env.installedDataRelative = QStringLiteral("../share/tolvane");

        const AppPaths paths = AppPaths::resolve(env);
        QFETCH(QString, appDir);
        QFETCH(QString, dataDir);
        QFETCH(QString, autostartDir);
        QCOMPARE(paths.appDir, at(appDir));
        QCOMPARE(paths.dataDir, at(dataDir));
        QCOMPARE(paths.autostartDir(), at(autostartDir));
    }

    void data_folder_is_private_whatever_the_umask_data()
    {
        QTest::addColumn<int>("umask");
        QTest::addColumn<bool>("existsOpen"); // the folder is already there with mode 0755

        QTest::newRow("usual umask") << 022 << false;
        QTest::newRow("umask that would forbid writing") << 0277 << false;
        QTest::newRow("existing open folder is narrowed") << 022 << true;
    }
    void data_folder_is_private_whatever_the_umask()
    {
        QFETCH(int, umask);
        QFETCH(bool, existsOpen);
        QTemporaryDir home;
        const QString base = home.filePath(QStringLiteral("fresh/.local/share"));
        const QString folder = base + QStringLiteral("/tolvane");
        if (existsOpen) {
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0755) == 0);
        }
        const mode_t previous = ::umask(mode_t(umask));
        const bool made = AppPaths::makePrivateFolder(folder);
        ::umask(previous);

        QVERIFY(made);
        QCOMPARE(modeOf(folder), 0700);
        if (!existsOpen) // missing parents are made private too
            QCOMPARE(modeOf(base), 0700);
        QVERIFY(QFile(folder + QStringLiteral("/probe")).open(QIODevice::WriteOnly));
    }

    // The settings file and the autostart entry must agree on the configuration folder.
    void settings_folder_follows_the_same_rule_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("absolute") << QByteArray("/tmp/tolvane-config");
        QTest::newRow("relative is ignored") << QByteArray("relative/config");
        QTest::newRow("unset") << QByteArray();
    }
    void settings_folder_follows_the_same_rule()
    {
        QFETCH(QByteArray, value);
        const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
        if (value.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", value);
        const QString expected = AppPaths::resolve(AppPaths::Environment::current()).configDir
            + QStringLiteral("/tolvane");
        const QString actual = SettingsStore::defaultFolder();
        qputenv("XDG_CONFIG_HOME", previous);
        QCOMPARE(actual, expected);
    }

    // A folder that is there but cannot be written is not said to be missing.
    void data_folder_warning_says_what_failed_data()
    {
        QTest::addColumn<QString>("place"); // where the data folder is, under a fresh home
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("warning"); // %1 stands for the folder
        dataRow("own folder", QStringLiteral("home/tolvane"), int(AppPaths::FolderState::Ready),
            QString());
        dataRow("a file in the way", QStringLiteral("file/tolvane"),
            int(AppPaths::FolderState::NotCreated),
            QStringLiteral("Le dossier des donn\u00e9es \u00ab %1 \u00bb n'a pas pu \u00eatre "
                           "cr\u00e9\u00e9 : vos modifications ne pourront pas \u00eatre "
                           "enregistr\u00e9es."));
        dataRow("another user's folder", QStringLiteral("theirs/tolvane"),
            int(AppPaths::FolderState::ReadOnly),
            QStringLiteral("Le dossier des donn\u00e9es \u00ab %1 \u00bb est en lecture seule : "
                           "vos modifications ne pourront pas \u00eatre enregistr\u00e9es."));
    }
    void data_folder_warning_says_what_failed()
    {
        QFETCH(QString, place);
        QFETCH(int, state);
        QFETCH(QString, warning);
        const bool theirs = place.startsWith(QLatin1String("theirs"));
        if (theirs && ::geteuid() != 0)
            QSKIP("a folder of another user is made by root only");
        QTemporaryDir home;
        QVERIFY(QFile::setPermissions(home.path(), QFileDevice::Permissions(0x7755)));
        const QString folder = home.filePath(place);
        if (place.startsWith(QLatin1String("file")))
            writeBytes(home.filePath(QStringLiteral("file")), "x");
        if (theirs) {
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(QFile::setPermissions(folder, QFileDevice::Permissions(0x7755)));
        }
        const auto check = [&] {
            const AppPaths::FolderState found = AppPaths::prepareDataFolder(folder);
            return int(found) == state
                && AppPaths::dataFolderWarning(found, folder)
                == (warning.isEmpty() ? warning : warning.arg(folder));
        };
        QCOMPARE(theirs ? runAsAnotherUser(check) : int(check()), 1);
    }
};

QTEST_GUILESS_MAIN(TestAppPaths)
#include "TestAppPaths.moc"
