#include "ProgramEnvironment.h"
#include "TestFiles.h"
#include "XvfbServer.h"

#include <QDir>
#include <QDirIterator>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

// Runs a tool to its end (two minutes at most); its standard output and error, merged.
QString run(const QString& program, const QStringList& arguments, int* exitCode)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    process.waitForFinished(120000);
    *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromUtf8(process.readAll());
}

// The bar's window on the root window, from xwininfo; null while there is none.
QRect barGeometry()
{
    int code = 0;
    static const QRegularExpression line(QStringLiteral(
        "\"Tolvane\": \\(\"tolvane\" \"Tolvane\"\\)\\s+146x(\\d+)\\+(-?\\d+)\\+(-?\\d+)"));
    const auto match = line.match(run(QStringLiteral("xwininfo"), { "-root", "-tree" }, &code));
    if (!match.hasMatch())
        return {};
    return QRect(
        match.captured(2).toInt(), match.captured(3).toInt(), 146, match.captured(1).toInt());
}

QColor pixelOnScreen(const QPoint& at)
{
    const QImage shot
        = QGuiApplication::primaryScreen()->grabWindow(0, at.x(), at.y(), 1, 1).toImage();
    return shot.isNull() ? QColor() : shot.pixelColor(0, 0);
}

} // namespace

// The Debian package made by CPack from this build, as scripts/package.sh makes it from a
// release build: what it holds, and the program unpacked from it started as a user would, on a
// private Xvfb display, with its own configuration and data folders.
class TestPackage : public QObject {
    Q_OBJECT

    QTemporaryDir m_work;
    QString m_package;
    QString m_root; // where the package is unpacked
    QStringList m_paths; // "./usr/bin/tolvane"...
    QStringList m_owners; // "root/root"...

    QString unpacked(const QString& path) const { return m_root + QStringLiteral("/usr/") + path; }

    QString field(const char* name) const
    {
        int code = 0;
        return run(QStringLiteral("dpkg-deb"),
            { QStringLiteral("-f"), m_package, QLatin1String(name) }, &code)
            .trimmed();
    }

    // "-rw-r--r-- root/root 1234 2026-12-07 16:00 ./usr/bin/tolvane" (a link adds " -> target").
    void readContents(const QString& listing)
    {
        for (const QString& line : listing.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QStringList columns = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            QVERIFY2(columns.size() >= 6, qPrintable(line));
            m_owners.append(columns[1]);
            m_paths.append(columns[5]);
        }
    }

    QStringList filesUnpacked() const
    {
        QStringList files;
        QDirIterator it(m_root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files.append(it.next());
        files.sort();
        return files;
    }

private slots:
    void initTestCase()
    {
        for (const char* tool : { "dpkg-deb", "dpkg-shlibdeps", "file" }) {
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                QSKIP(qPrintable(QStringLiteral("%1 is not installed (Debian packages dpkg-dev, "
                                                "file): the package is not made")
                                     .arg(QLatin1String(tool))));
        }
        const QString out = m_work.filePath(QStringLiteral("out"));
        int code = 0;
        QString output = run(QStringLiteral(TOLVANE_CPACK),
            { QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"), out,
                QStringLiteral("--config"),
                QStringLiteral(TOLVANE_BUILD_DIR "/CPackConfig.cmake") },
            &code);
        QVERIFY2(code == 0, qPrintable(output));
        const QStringList packages
            = QDir(out).entryList({ QStringLiteral("tolvane_*.deb") }, QDir::Files);
        QCOMPARE(packages.size(), 1);
        m_package = out + QLatin1Char('/') + packages.first();

        output = run(QStringLiteral("dpkg-deb"), { QStringLiteral("-c"), m_package }, &code);
        QVERIFY2(code == 0, qPrintable(output));
        readContents(output);
        m_root = m_work.filePath(QStringLiteral("root"));
        output
            = run(QStringLiteral("dpkg-deb"), { QStringLiteral("-x"), m_package, m_root }, &code);
        QVERIFY2(code == 0, qPrintable(output));
    }

    void control_fields_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("pattern");
        int code = 0;
        const QString architecture
            = run(QStringLiteral("dpkg"), { QStringLiteral("--print-architecture") }, &code)
                  .trimmed();
        QTest::newRow("version") << "Version"
                                 << "^" TOLVANE_PROJECT_VERSION "$";
        QTest::newRow("architecture") << "Architecture"
                                      << "^" + architecture + "$";
        QTest::newRow("maintainer") << "Maintainer"
                                    << "^[^<]+ <[^@>]+@[^>]+>$";
        QTest::newRow("libraries read from the program") << "Depends"
                                                         << "libqt6widgets6 \\(>=";
        QTest::newRow("short and long description") << "Description"
                                                    << "^[a-z].{0,79}\n .+";
    }
    void control_fields()
    {
        QFETCH(QString, name);
        QFETCH(QString, pattern);
        const QString value = field(name.toLatin1().constData());
        QVERIFY2(QRegularExpression(pattern).match(value).hasMatch(), qPrintable(value));
    }

    // Nothing but the program's own files, under /usr and owned by root, the program one that
    // runs; no data file ships: they belong to the user.
    void package_holds_the_program_files_menu_entry_icons_and_documents()
    {
        for (const char* path : { "bin/tolvane", "share/tolvane/skins/default/skin.ini",
                 "share/tolvane/skins/givre/weather/na.bmp", "share/tolvane/images/tolvane.ico",
                 "share/tolvane/images/na.bmp", "share/tolvane/sounds/clickerx.wav",
                 "share/applications/" TOLVANE_APP_ID ".desktop",
                 "share/metainfo/" TOLVANE_APP_ID ".metainfo.xml", "share/man/man1/tolvane.1.gz",
                 "share/doc/tolvane/copyright", "share/doc/tolvane/changelog.gz" })
            QVERIFY2(m_paths.contains(QStringLiteral("./usr/") + QLatin1String(path)), path);
        int code = 0;
        QCOMPARE(run(unpacked(QStringLiteral("bin/tolvane")), { "--version" }, &code),
            QStringLiteral("Tolvane ") + field("Version") + QLatin1Char('\n'));
        QCOMPARE(code, 0);
        for (const int size : { 16, 22, 24, 32, 48, 64, 128, 256 }) {
            const QImage icon(
                unpacked(QStringLiteral("share/icons/hicolor/%1x%1/apps/tolvane.png").arg(size)));
            QCOMPARE(icon.size(), QSize(size, size));
        }
        for (int i = 0; i < m_paths.size(); ++i) {
            const QString& path = m_paths[i];
            QVERIFY2(path == QLatin1String("./") || path.startsWith(QLatin1String("./usr/")),
                qPrintable(path));
            QVERIFY2(!path.endsWith(QLatin1String(".dat")), qPrintable(path));
            QCOMPARE(m_owners[i], QStringLiteral("root/root"));
        }
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
            << QStringLiteral("share/metainfo/" TOLVANE_APP_ID ".metainfo.xml");
        QTest::newRow("menu entry")
            << "desktop-file-validate" << QStringList()
            << QStringLiteral("share/applications/" TOLVANE_APP_ID ".desktop");
    }
    void desktop_files_validate()
    {
        QFETCH(QString, tool);
        QFETCH(QStringList, arguments);
        QFETCH(QString, file);
        if (QStandardPaths::findExecutable(tool).isEmpty())
            QSKIP(qPrintable(tool + QStringLiteral(" is not installed")));
        int code = 0;
        const QString output = run(tool, arguments << unpacked(file), &code);
        QVERIFY2(code == 0, qPrintable(output));
    }

    void manual_page_renders_without_warnings()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("man")).isEmpty())
            QSKIP("man is not installed (Debian package man-db)");
        QProcess man;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
        man.setProcessEnvironment(env);
        man.start(QStringLiteral("man"),
            { QStringLiteral("--warnings"), QStringLiteral("-E"), QStringLiteral("UTF-8"),
                QStringLiteral("-l"), unpacked(QStringLiteral("share/man/man1/tolvane.1.gz")) });
        QVERIFY(man.waitForFinished(30000));
        const QString page = QString::fromUtf8(man.readAllStandardOutput());
        QCOMPARE(QString::fromUtf8(man.readAllStandardError()), QString());
        QCOMPARE(man.exitCode(), 0);
        for (const char* heading : { "NAME", "SYNOPSIS", "OPTIONS", "FILES", "ENVIRONMENT" })
            QVERIFY2(page.contains(QLatin1String(heading)), heading);
        QVERIFY(page.contains(QStringLiteral("Tolvane " TOLVANE_PROJECT_VERSION)));
    }

    void unpacked_program_starts_and_finds_its_skins_data()
    {
        QTest::addColumn<QString>("skin");
        QTest::addColumn<bool>("usersOwn");
        QTest::newRow("shipped skin from the package") << "givre" << false;
        QTest::newRow("user's skin from the data folder") << "perso" << true;
    }
    void unpacked_program_starts_and_finds_its_skins()
    {
        QFETCH(QString, skin);
        QFETCH(bool, usersOwn);
        if (!XvfbServer::available())
            QSKIP("Xvfb is not installed (Debian package xvfb)");
        if (QStandardPaths::findExecutable(QStringLiteral("xwininfo")).isEmpty())
            QSKIP("xwininfo is not installed (Debian package x11-utils)");

        QTemporaryDir home;
        writeBytes(home.filePath(QStringLiteral("config/tolvane/tolvane.ini")),
            "[Options]\r\nSplashScreen=0\r\nDisplayTransparency=0\r\nSkin=" + skin.toUtf8()
                + "\r\n");
        QProcessEnvironment env = programEnvironment(home.path());
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb")); // the private Xvfb
        const QString dataDir = home.filePath(QStringLiteral("data/tolvane"));
        const QString ownTop = dataDir + QStringLiteral("/skins/perso/background_top.bmp");
        if (usersOwn)
            writePicture(ownTop, QSize(146, 22), QColor(200, 30, 120));
        const QImage top(usersOwn
                ? ownTop
                : unpacked(QStringLiteral("share/tolvane/skins/%1/background_top.bmp").arg(skin)));
        QVERIFY(!top.isNull());
        // A data file an earlier version left beside the program moves to the data folder.
        QFile old(unpacked(QStringLiteral("bin/tolvane_FavInternet.dat")));
        writeBytes(old.fileName(), "Tolvane;https://example.org/\r\n");
        const QStringList before = filesUnpacked();

        QProcess bar;
        bar.setProcessEnvironment(env);
        bar.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        bar.start(unpacked(QStringLiteral("bin/tolvane")), {});
        QVERIFY(bar.waitForStarted());

        QRect geometry;
        QTRY_VERIFY_WITH_TIMEOUT(!(geometry = barGeometry()).isNull(), 30000);
        QCOMPARE(geometry.x() + geometry.width(), 1280);
        QTRY_COMPARE_WITH_TIMEOUT(
            pixelOnScreen(geometry.topLeft() + QPoint(2, 1)), top.pixelColor(2, 1), 10000);

        struct stat info { };
        QCOMPARE(::stat(QFile::encodeName(dataDir).constData(), &info), 0);
        QCOMPARE(int(info.st_mode & 0777), 0700);
        QVERIFY(QFileInfo::exists(dataDir + QStringLiteral("/tolvane_FavInternet.dat")));
        QVERIFY(!old.exists());
        QStringList after = filesUnpacked();
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
    TestPackage test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestPackage.moc"
