#include "ProgramEnvironment.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The real program given options, as from a terminal: help and version print and end before any
// display is opened, so they must work where there is none.
class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void options_print_and_end_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString version = QStringLiteral("Tolvane " TOLVANE_PROJECT_VERSION "\n");
        const QString help = QStringLiteral("Utilisation : tolvane [OPTION]\n");
        // With the xcb platform and no display, Qt would abort as soon as it looked for one.
        const QString noDisplay = QStringLiteral("xcb");
        QTest::newRow("--version")
            << QStringList { "--version" } << noDisplay << 0 << version << QString();
        QTest::newRow("-v") << QStringList { "-v" } << noDisplay << 0 << version << QString();
        QTest::newRow("--help") << QStringList { "--help" } << noDisplay << 0 << help << QString();
        QTest::newRow("-h after a Qt option") << QStringList { "-platform", "offscreen", "-h" }
                                              << noDisplay << 0 << help << QString();
        QTest::newRow("unknown option")
            << QStringList { "--aide" } << QStringLiteral("offscreen") << 2 << QString()
            << QStringLiteral("tolvane : option inconnue \u00ab --aide \u00bb\n"
                              "Essayez \u00ab tolvane --help \u00bb pour plus d'informations.\n");
        QTest::newRow("stray argument")
            << QStringList { "-platform", "offscreen", "fichier" } << noDisplay << 2 << QString()
            << QStringLiteral("tolvane : argument inattendu \u00ab fichier \u00bb\n");
    }
    void options_print_and_end()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, platform);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);

        QTemporaryDir home;
        QProcessEnvironment env = programEnvironment(home.path());
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(TOLVANE_BINARY), arguments);
        QVERIFY(program.waitForFinished(20000));
        const QString stdOut = QString::fromUtf8(program.readAllStandardOutput());
        const QString stdErr = QString::fromUtf8(program.readAllStandardError());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QVERIFY2(program.exitCode() == exitCode, qPrintable(stdErr));
        QVERIFY2(out.isEmpty() ? stdOut.isEmpty() : stdOut.startsWith(out), qPrintable(stdOut));
        QVERIFY2(stdErr.startsWith(err), qPrintable(stdErr));
        // Nothing of the user's is made by a program that only answers a question.
        QVERIFY(!QFileInfo::exists(home.filePath(QStringLiteral("data/tolvane"))));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "TestCommandLine.moc"
