#include "InstalledProgram.h"
#include "TestFiles.h"
#include "XvfbServer.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

// `cmake --install` into a temporary prefix, then the installed program started as a user would,
// on a private Xvfb display, with its own configuration and data folders.
class TestInstall : public QObject {
    Q_OBJECT

    QTemporaryDir m_prefix;

    QString installed(const QString& relative) const { return m_prefix.filePath(relative); }
    static QString appId() { return QStringLiteral(TOLVANE_APP_ID); }

    static QStringList filesUnder(const QString& root)
    {
        QStringList files;
        QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files.append(it.next());
        files.sort();
        return files;
    }

private slots:
    void initTestCase()
    {
        int code = 0;
        const QString output = InstalledProgram::run(QStringLiteral(TOLVANE_CMAKE),
            { QStringLiteral("--install"), QStringLiteral(TOLVANE_BUILD_DIR),
                QStringLiteral("--prefix"), m_prefix.path() },
            &code);
        QVERIFY2(code == 0, qPrintable(output));
    }

    void installs_program_files_menu_entry_icons_and_metainfo()
    {
        QVERIFY(QFileInfo(installed(QStringLiteral("bin/tolvane"))).isExecutable());
        for (const char* file :
            { "share/tolvane/skins/default/skin.ini", "share/tolvane/skins/givre/weather/na.bmp",
                "share/tolvane/images/tolvane.ico", "share/tolvane/images/na.bmp" })
            QVERIFY2(QFileInfo::exists(installed(QLatin1String(file))), file);
        QVERIFY(QFileInfo::exists(
            installed(QStringLiteral("share/applications/%1.desktop").arg(appId()))));
        QVERIFY(QFileInfo::exists(
            installed(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(appId()))));
        for (const int size : { 16, 22, 24, 32, 48, 64, 128, 256 }) {
            const QImage icon(
                installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/tolvane.png").arg(size)));
            QCOMPARE(icon.size(), QSize(size, size));
        }
        // No data file ships: they belong to the user.
        for (const QString& file : filesUnder(m_prefix.path()))
            QVERIFY2(!file.endsWith(QLatin1String(".dat")), qPrintable(file));
    }

    void desktop_files_validate_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("file");
        QTest::newRow("AppStream metainfo")
            << "appstreamcli"
            << QStringList { QStringLiteral("validate"), QStringLiteral("--no-net"),
                   QStringLiteral("--strict") }
            << QStringLiteral("share/metainfo/%1.metainfo.xml").arg(appId());
        QTest::newRow("menu entry") << "desktop-file-validate" << QStringList()
                                    << QStringLiteral("share/applications/%1.desktop").arg(appId());
    }
    void desktop_files_validate()
    {
        QFETCH(QString, tool);
        QFETCH(QStringList, arguments);
        QFETCH(QString, file);
        if (QStandardPaths::findExecutable(tool).isEmpty())
            QSKIP(qPrintable(tool + QStringLiteral(" is not installed")));
        int code = 0;
        const QString output = InstalledProgram::run(tool, arguments << installed(file), &code);
        QVERIFY2(code == 0, qPrintable(output));
    }

    void installed_program_starts_and_finds_its_skins_data()
    {
        QTest::addColumn<QString>("skin");
        QTest::addColumn<bool>("usersOwn");
        QTest::newRow("shipped skin from the prefix") << "givre" << false;
        QTest::newRow("user's skin from the data folder") << "perso" << true;
    }
    void installed_program_starts_and_finds_its_skins()
    {
        QFETCH(QString, skin);
        QFETCH(bool, usersOwn);
        if (!XvfbServer::available())
            QSKIP("Xvfb is not installed (Debian package xvfb)");
        if (QStandardPaths::findExecutable(QStringLiteral("xwininfo")).isEmpty())
            QSKIP("xwininfo is not installed (Debian package x11-utils)");

        QTemporaryDir home;
        const QProcessEnvironment env = InstalledProgram::freshUser(home, skin);
        const QString dataDir = home.filePath(QStringLiteral("data/tolvane"));

        QColor expected;
        if (usersOwn) {
            expected = QColor(200, 30, 120);
            writePicture(dataDir + QStringLiteral("/skins/perso/background_top.bmp"),
                QSize(146, 22), expected);
        } else {
            const QImage top(
                installed(QStringLiteral("share/tolvane/skins/%1/background_top.bmp").arg(skin)));
            QVERIFY(!top.isNull());
            expected = top.pixelColor(2, 1);
        }
        // A data file an earlier version left beside the program moves to the data folder.
        QFile old(installed(QStringLiteral("bin/tolvane_FavInternet.dat")));
        writeBytes(old.fileName(), "Tolvane;https://example.org/\r\n");
        const QStringList before = filesUnder(m_prefix.path());

        QProcess bar;
        bar.setProcessEnvironment(env);
        bar.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        bar.start(installed(QStringLiteral("bin/tolvane")), {});
        QVERIFY(bar.waitForStarted());

        QRect geometry;
        QTRY_VERIFY_WITH_TIMEOUT(!(geometry = InstalledProgram::barGeometry()).isNull(), 30000);
        QCOMPARE(geometry.x() + geometry.width(), 1280);
        QTRY_COMPARE_WITH_TIMEOUT(
            InstalledProgram::pixelOnScreen(geometry.topLeft() + QPoint(2, 1)), expected, 10000);

        struct stat info { };
        QCOMPARE(::stat(QFile::encodeName(dataDir).constData(), &info), 0);
        QCOMPARE(int(info.st_mode & 0777), 0700);
        QVERIFY(QFileInfo::exists(dataDir + QStringLiteral("/tolvane_FavInternet.dat")));
        QVERIFY(!old.exists());
        QStringList after = filesUnder(m_prefix.path());
        after.append(old.fileName());
        after.sort();
        QCOMPARE(after, before); // the program wrote nothing into its install tree

        bar.kill();
        bar.waitForFinished();
    }
};

int main(int argc, char* argv[])
{
    XvfbServer xvfb;
    XvfbServer::startForThisProcess(xvfb);
    QGuiApplication app(argc, argv);
    TestInstall test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestInstall.moc"
