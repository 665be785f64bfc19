#include "shell/IniReader.h"

#include <QTemporaryDir>
#include <QtTest>

class TestIniReader : public QObject {
    Q_OBJECT
private slots:
    void windows_reader_rules_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        const QString ini = QStringLiteral(
            "[skin]\r\nUseImgMeteoSkin=\r\n[Colors]\r\n  TextDark =  255|0|0  \r\n"
            "Quoted=\"  a b \"\r\nSingle='x'\r\nHalf=\"x\r\n; Commented=1\r\n[other]\r\nKey=o\r\n");
        QTest::newRow("section and key without letter case") << ini << "COLORS"
                                                             << "textdark"
                                                             << "255|0|0";
        QTest::newRow("empty value gives the default") << ini << "skin"
                                                       << "UseImgMeteoSkin"
                                                       << "0";
        QTest::newRow("missing key") << ini << "colors"
                                     << "TextLight"
                                     << "0";
        QTest::newRow("missing section") << ini << "nowhere"
                                         << "Key"
                                         << "0";
        QTest::newRow("key of another section") << ini << "colors"
                                                << "Key"
                                                << "0";
        QTest::newRow("double quotes removed, inside kept") << ini << "colors"
                                                            << "Quoted"
                                                            << "  a b ";
        QTest::newRow("single quotes removed") << ini << "colors"
                                               << "Single"
                                               << "x";
        QTest::newRow("unbalanced quote kept") << ini << "colors"
                                               << "Half"
                                               << "\"x";
        QTest::newRow("comment is no key") << ini << "colors"
                                           << "; Commented"
                                           << "0";
        QTest::newRow("long value cut to 1023")
            << QStringLiteral("[a]\nk=") + QString(2000, u'v') << "a"
            << "k" << QString(1023, u'v');
    }
    void windows_reader_rules()
    {
        QFETCH(QString, text);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QCOMPARE(IniReader::ReadIniText(text, section, key, QStringLiteral("0")), expected);
    }

    void missing_file_gives_the_default_and_file_is_windows_1252()
    {
        QCOMPARE(IniReader::ReadIniString(QStringLiteral("/nonexistent/skin.ini"),
                     QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("d")),
            QStringLiteral("d"));
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("skin.ini")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[a]\r\nname=M\xe9t\xe9o \x80\r\n");
        file.close();
        QCOMPARE(IniReader::ReadIniString(
                     file.fileName(), QStringLiteral("a"), QStringLiteral("name"), QString()),
            QStringLiteral("M\u00e9t\u00e9o \u20ac"));
        QVERIFY(file.open(QIODevice::WriteOnly)); // saved as UTF-8 with a byte-order mark
        file.write("\xEF\xBB\xBF[a]\r\nname=M\xC3\xA9t\xC3\xA9o\r\n");
        file.close();
        QCOMPARE(IniReader::ReadIniString(
                     file.fileName(), QStringLiteral("a"), QStringLiteral("name"), QString()),
            QStringLiteral("M\u00e9t\u00e9o"));
    }
};

QTEST_APPLESS_MAIN(TestIniReader)
#include "TestIniReader.moc"
