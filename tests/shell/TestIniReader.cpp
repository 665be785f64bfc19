#include "DataRow.h"
#include "TestFiles.h"
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
        dataRow("section and key without letter case", ini, "COLORS", "textdark", "255|0|0");
        dataRow("empty value gives the default", ini, "skin", "UseImgMeteoSkin", "0");
        dataRow("missing key", ini, "colors", "TextLight", "0");
        dataRow("missing section", ini, "nowhere", "Key", "0");
        dataRow("key of another section", ini, "colors", "Key", "0");
        dataRow("double quotes removed, inside kept", ini, "colors", "Quoted", "  a b ");
        dataRow("single quotes removed", ini, "colors", "Single", "x");
        dataRow("unbalanced quote kept", ini, "colors", "Half", "\"x");
        dataRow("comment is no key", ini, "colors", "; Commented", "0");
        dataRow("long value cut to 1023", QStringLiteral("[a]\nk=") + QString(2000, u'v'), "a", "k",
            QString(1023, u'v'));
    }
    void windows_reader_rules()
    {
        QFETCH(QString, text);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QTEST(IniReader::ReadIniText(text, section, key, QStringLiteral("0")), "expected");
    }

    void missing_file_gives_the_default_and_file_is_windows_1252()
    {
        QCOMPARE(IniReader::ReadIniString(QStringLiteral("/nonexistent/skin.ini"),
                     QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("d")),
            QStringLiteral("d"));
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("skin.ini"));
        const auto name = [&file] {
            return IniReader::ReadIniString(file, QStringLiteral("a"), QStringLiteral("name"), {});
        };
        writeBytes(file, "[a]\r\nname=M\xe9t\xe9o \x80\r\n");
        QCOMPARE(name(), QStringLiteral("M\u00e9t\u00e9o \u20ac"));
        writeBytes(
            file, "\xEF\xBB\xBF[a]\r\nname=M\xC3\xA9t\xC3\xA9o\r\n"); // UTF-8, byte-order mark
        QCOMPARE(name(), QStringLiteral("M\u00e9t\u00e9o"));
    }
};

QTEST_APPLESS_MAIN(TestIniReader)
#include "TestIniReader.moc"
