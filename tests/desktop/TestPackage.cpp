#include "InstalledProgram.h"
#include "XvfbServer.h"

#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// The Debian package made by CPack from this build, as scripts/package.sh makes it from a
// release build: what it holds, and the program unpacked from it.
class TestPackage : public QObject {
    Q_OBJECT

    QTemporaryDir m_work;
    QString m_package;
    QString m_root; // where the package is unpacked
    QStringList m_paths; // "./usr/bin/tolvane"...
    QStringList m_owners; // "root/root"...

    QString unpacked(const QString& path) const { return m_root + path; }

    QString field(const char* name) const
    {
        int code = 0;
        return InstalledProgram::run(QStringLiteral("dpkg-deb"),
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
        QString output = InstalledProgram::run(QStringLiteral(TOLVANE_CPACK),
            { QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"), out,
                QStringLiteral("--config"),
                QStringLiteral(TOLVANE_BUILD_DIR "/CPackConfig.cmake") },
            &code);
        QVERIFY2(code == 0, qPrintable(output));
        const QStringList packages
            = QDir(out).entryList({ QStringLiteral("tolvane_*.deb") }, QDir::Files);
        QCOMPARE(packages.size(), 1);
        m_package = out + QLatin1Char('/') + packages.first();

        output = InstalledProgram::run(
            QStringLiteral("dpkg-deb"), { QStringLiteral("-c"), m_package }, &code);
        QVERIFY2(code == 0, qPrintable(output));
        readContents(output);
        m_root = m_work.filePath(QStringLiteral("root"));
        output = InstalledProgram::run(
            QStringLiteral("dpkg-deb"), { QStringLiteral("-x"), m_package, m_root }, &code);
        QVERIFY2(code == 0, qPrintable(output));
    }

    void control_fields_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("pattern");
        int code = 0;
        const QString architecture = InstalledProgram::run(
            QStringLiteral("dpkg"), { QStringLiteral("--print-architecture") }, &code)
                                         .trimmed();
        QTest::newRow("name") << "Package"
                              << "^tolvane$";
        QTest::newRow("version") << "Version"
                                 << "^" TOLVANE_PROJECT_VERSION "$";
        QTest::newRow("architecture") << "Architecture"
                                      << "^" + architecture + "$";
        QTest::newRow("section") << "Section"
                                 << "^x11$";
        QTest::newRow("maintainer") << "Maintainer"
                                    << "^[^<]+ <[^@>]+@[^>]+>$";
        QTest::newRow("homepage") << "Homepage"
                                  << "^https://";
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

    void package_holds_data()
    {
        QTest::addColumn<QString>("path");
        const char* const paths[]
            = { "./usr/bin/tolvane", "./usr/share/tolvane/skins/default/skin.ini",
                  "./usr/share/tolvane/skins/givre/background_top.bmp",
                  "./usr/share/tolvane/images/na.bmp", "./usr/share/tolvane/sounds/clickerx.wav",
                  "./usr/share/applications/" TOLVANE_APP_ID ".desktop",
                  "./usr/share/metainfo/" TOLVANE_APP_ID ".metainfo.xml",
                  "./usr/share/icons/hicolor/16x16/apps/tolvane.png",
                  "./usr/share/icons/hicolor/256x256/apps/tolvane.png",
                  "./usr/share/man/man1/tolvane.1.gz", "./usr/share/doc/tolvane/copyright",
                  "./usr/share/doc/tolvane/changelog.gz" };
        for (const char* path : paths)
            QTest::newRow(path) << QString::fromLatin1(path);
    }
    void package_holds()
    {
        QFETCH(QString, path);
        QVERIFY(m_paths.contains(path));
    }

    void everything_lands_under_usr_and_belongs_to_root()
    {
        QVERIFY(!m_paths.isEmpty());
        for (int i = 0; i < m_paths.size(); ++i) {
            const QString& path = m_paths[i];
            QVERIFY2(path == QLatin1String("./") || path.startsWith(QLatin1String("./usr/")),
                qPrintable(path));
            QVERIFY2(!path.endsWith(QLatin1String(".dat")), qPrintable(path));
            QCOMPARE(m_owners[i], QStringLiteral("root/root"));
        }
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
                QStringLiteral("-l"),
                unpacked(QStringLiteral("/usr/share/man/man1/tolvane.1.gz")) });
        QVERIFY(man.waitForFinished(30000));
        const QString page = QString::fromUtf8(man.readAllStandardOutput());
        QCOMPARE(QString::fromUtf8(man.readAllStandardError()), QString());
        QCOMPARE(man.exitCode(), 0);
        for (const char* heading : { "NAME", "SYNOPSIS", "OPTIONS", "FILES", "ENVIRONMENT" })
            QVERIFY2(page.contains(QLatin1String(heading)), heading);
        QVERIFY(page.contains(QStringLiteral("Tolvane " TOLVANE_PROJECT_VERSION)));
    }

    void unpacked_program_prints_the_package_version()
    {
        int code = 0;
        const QString output = InstalledProgram::run(
            unpacked(QStringLiteral("/usr/bin/tolvane")), { QStringLiteral("--version") }, &code);
        QCOMPARE(code, 0);
        QCOMPARE(output, QStringLiteral("Tolvane ") + field("Version") + QLatin1Char('\n'));
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
