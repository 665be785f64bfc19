#include "weather/XoapDocument.h"

#include <QTest>

using XoapDocument::Values;

class TestXoapDocument : public QObject {
    Q_OBJECT
private slots:
    void request_sends_path_and_query_as_the_feed_expects()
    {
        const QUrl url = XoapDocument::RequestUrl(
            QStringLiteral("feed.example:8765"), QStringLiteral("FRXX0076"));
        QCOMPARE(url.toString(QUrl::FullyEncoded),
            QStringLiteral("http://feed.example:8765/weather/local/FRXX0076?cc=*&prod=xoap"
                           "&unit=m&par=4417093826&unit=1"
                           "&key=5c0e9b27d1f84a6390be72c4a8d15f03"));
    }

    void server_setting_is_forgiven_or_refused_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("authority");
        QTest::newRow("host and port")
            << QStringLiteral("127.0.0.1:8765") << QStringLiteral("127.0.0.1:8765");
        QTest::newRow("host only")
            << QStringLiteral("meteo.example") << QStringLiteral("meteo.example");
        QTest::newRow("scheme and slash dropped")
            << QStringLiteral(" http://meteo.example:81/ ") << QStringLiteral("meteo.example:81");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("a path is not a server") << QStringLiteral("meteo.example/x") << QString();
        QTest::newRow("credentials refused") << QStringLiteral("u@meteo.example") << QString();
        QTest::newRow("blank inside") << QStringLiteral("meteo example") << QString();
    }
    void server_setting_is_forgiven_or_refused()
    {
        QFETCH(QString, setting);
        QFETCH(QString, authority);
        QCOMPARE(XoapDocument::ServerAuthority(setting), authority);
        QCOMPARE(XoapDocument::RequestUrl(setting, QStringLiteral("FRXX0076")).isValid(),
            !authority.isEmpty());
    }

    void values_of_one_document_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QStringList>("expected"); // tmp, hmid, dewp, r, wind, vis
        QTest::addColumn<int>("icon"); // -1: no icon taken
        QTest::newRow("plain values")
            << QStringLiteral("<tmp>12</tmp>\n<hmid>81</hmid>\n<dewp>9</dewp>\n<r>1015.2</r>\n"
                              "<vis>10.0</vis>\n")
            << QStringList { "12", "81", "9", "1015.2", "", "10.0" } << -1;
        QTest::newRow("second t is the wind")
            << QStringLiteral("<tmp>1</tmp>\n<t>Partly Cloudy</t>\n<t>SSW</t>\n<t>Low</t>\n")
            << QStringList { "1", "", "", "", "SSW", "" } << -1;
        QTest::newRow("empty t not counted")
            << QStringLiteral("<t></t>\n<t>Partly Cloudy</t>\n<t>SSW</t>\n")
            << QStringList { "", "", "", "", "SSW", "" } << -1;
        QTest::newRow("first icon wins") << QStringLiteral("<icon>5</icon>\n<icon>12</icon>\n")
                                         << QStringList { "", "", "", "", "", "" } << 5;
        QTest::newRow("empty icon does not count")
            << QStringLiteral("<icon></icon>\n<icon>12</icon>\n")
            << QStringList { "", "", "", "", "", "" } << 12;
        QTest::newRow("non-numeric icon is zero")
            << QStringLiteral("<icon>na</icon>\n") << QStringList { "", "", "", "", "", "" } << 0;
        QTest::newRow("value not closed on its line is ignored")
            << QStringLiteral("<tmp>12\n</tmp>\n") << QStringList { "", "", "", "", "", "" } << -1;
        QTest::newRow("text after the last line feed never read")
            << QStringLiteral("<hmid>81</hmid>\n<tmp>12</tmp>")
            << QStringList { "", "81", "", "", "", "" } << -1;
        QTest::newRow("no line feed at all")
            << QStringLiteral("<tmp>12</tmp>") << QStringList { "", "", "", "", "", "" } << -1;
        QTest::newRow("later tmp overwrites") << QStringLiteral("<tmp>12</tmp>\n<tmp>14</tmp>\n")
                                              << QStringList { "14", "", "", "", "", "" } << -1;
        QTest::newRow("one line counts each tag once")
            << QStringLiteral("<cc><tmp>3</tmp><hmid>90</hmid><t>Fog</t><t>N</t></cc>\n")
            << QStringList { "3", "90", "", "", "", "" } << -1;
        QTest::newRow("tags are case-sensitive")
            << QStringLiteral("<TMP>12</TMP>\n") << QStringList { "", "", "", "", "", "" } << -1;
        QTest::newRow("crlf lines keep no return in values")
            << QStringLiteral("<tmp>12</tmp>\r\n<r>1015</r>\r\n")
            << QStringList { "12", "", "", "1015", "", "" } << -1;
    }
    void values_of_one_document()
    {
        QFETCH(QString, document);
        QFETCH(QStringList, expected);
        QFETCH(int, icon);
        const Values v = XoapDocument::ParseXoap(document);
        QCOMPARE((QStringList {
                     v.temperature, v.humidity, v.dewPoint, v.pressure, v.wind, v.visibility }),
            expected);
        QCOMPARE(v.iconTaken, icon >= 0);
        if (icon >= 0)
            QCOMPARE(v.icon, qint64(icon));
    }

    void full_current_conditions_document()
    {
        QFile file(QString::fromLocal8Bit(qgetenv("TOLVANE_SOURCE_DIR"))
            + QStringLiteral("/tests/weather/current_conditions.xml"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const Values v = XoapDocument::ParseXoap(XoapDocument::DecodeBody(file.readAll()));
        QCOMPARE(v.temperature, QStringLiteral("12"));
        QCOMPARE(v.humidity, QStringLiteral("81"));
        QCOMPARE(v.dewPoint, QStringLiteral("9"));
        QCOMPARE(v.pressure, QStringLiteral("1015.2"));
        QCOMPARE(v.wind, QStringLiteral("SSW"));
        QCOMPARE(v.visibility, QStringLiteral("10.0"));
        QCOMPARE(v.icon, qint64(30)); // not the moon's 25
    }

    void body_decoded_as_declared_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("text");
        QTest::newRow("latin-1")
            << QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><t>Montr\xe9"
                          "al</t>")
            << QStringLiteral(
                   "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><t>Montr\u00e9al</t>");
        QTest::newRow("utf-8 by default") << QByteArray("<t>Montr\xc3\xa9"
                                                        "al</t>")
                                          << QStringLiteral("<t>Montr\u00e9al</t>");
    }
    void body_decoded_as_declared()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, text);
        QCOMPARE(XoapDocument::DecodeBody(body), text);
    }

    void picture_name_has_two_digits_data()
    {
        QTest::addColumn<qint64>("icon");
        QTest::addColumn<QString>("name");
        QTest::newRow("0") << qint64(0) << QStringLiteral("00.bmp");
        QTest::newRow("5") << qint64(5) << QStringLiteral("05.bmp");
        QTest::newRow("30") << qint64(30) << QStringLiteral("30.bmp");
        QTest::newRow("105") << qint64(105) << QStringLiteral("105.bmp");
    }
    void picture_name_has_two_digits()
    {
        QFETCH(qint64, icon);
        QFETCH(QString, name);
        QCOMPARE(XoapDocument::PictureFileName(icon), name);
    }
};

QTEST_GUILESS_MAIN(TestXoapDocument)
#include "TestXoapDocument.moc"
