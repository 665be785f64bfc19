#include "weather/XoapDocument.h"

#include <QTest>

using namespace XoapDocument;

class TestXoapDocument : public QObject {
    Q_OBJECT
private slots:
    void server_setting_gives_the_request_or_none_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("url"); // empty: refused, no request
        const auto row = [](const char* name, const char* setting, const QString& url) {
            QTest::newRow(name) << QString::fromUtf8(setting) << url;
        };
        const QString query = "/weather/local/FRXX0076?cc=*&prod=xoap&unit=m&par=4417093826"
                              "&unit=1&key=5c0e9b27d1f84a6390be72c4a8d15f03";
        row("host and port", "127.0.0.1:8765", "http://127.0.0.1:8765" + query);
        row("scheme and slash dropped", " http://meteo.example:81/ ",
            "http://meteo.example:81" + query);
        row("empty", "", {});
        row("a path is not a server", "meteo.example/x", {});
        row("credentials refused", "u@meteo.example", {});
        row("blank inside", "meteo example", {});
    }
    void server_setting_gives_the_request_or_none()
    {
        QFETCH(QString, setting);
        QFETCH(QString, url);
        const QUrl request = RequestUrl(setting, QStringLiteral("FRXX0076"));
        QCOMPARE(request.isValid() ? request.toString(QUrl::FullyEncoded) : QString(), url);
    }

    // The feed is read line by line, each line searched once for each tag.
    void values_of_one_document_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("values"); // tmp|hmid|dewp|r|wind|vis
        QTest::addColumn<int>("icon"); // -1: no icon taken
        const auto row = [](const char* name, const char* document, const char* values,
                             int icon = -1) {
            QTest::newRow(name) << QString::fromUtf8(document) << QString::fromUtf8(values) << icon;
        };
        row("second t is the wind", "<tmp>1</tmp>\n<t>Cloudy</t>\n<t>SSW</t>\n<t>Low</t>\n",
            "1||||SSW|");
        row("empty t not counted", "<t></t>\n<t>Cloudy</t>\n<t>SSW</t>\n", "||||SSW|");
        row("first icon wins", "<icon>5</icon>\n<icon>12</icon>\n", "|||||", 5);
        row("empty icon does not count", "<icon></icon>\n<icon>12</icon>\n", "|||||", 12);
        row("value not closed on its line is ignored", "<tmp>12\n</tmp>\n", "|||||");
        row("text after the last line feed never read", "<hmid>81</hmid>\n<tmp>12</tmp>",
            "|81||||");
        row("later tmp overwrites", "<tmp>12</tmp>\n<tmp>14</tmp>\n", "14|||||");
        row("one line counts each tag once",
            "<cc><tmp>3</tmp><hmid>90</hmid><t>Fog</t><t>N</t></cc>\n", "3|90||||");
        row("tags are case-sensitive", "<TMP>12</TMP>\n", "|||||");
        row("crlf lines keep no return in values", "<tmp>12</tmp>\r\n<r>1015</r>\r\n",
            "12|||1015||");
    }
    void values_of_one_document()
    {
        QFETCH(QString, document);
        QFETCH(QString, values);
        QFETCH(int, icon);
        const Values v = ParseXoap(document);
        const QStringList parsed { v.temperature, v.humidity, v.dewPoint, v.pressure, v.wind,
            v.visibility };
        QCOMPARE(parsed.join('|'), values);
        QCOMPARE(v.iconTaken ? int(v.icon) : -1, icon);
    }

    void body_decoded_as_declared_else_as_utf8()
    {
        const QByteArray latin1("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>");
        QCOMPARE(DecodeBody(latin1 + "<t>Montr\xe9"),
            QString::fromLatin1(latin1) + QStringLiteral("<t>Montr\u00e9"));
        QCOMPARE(DecodeBody("<t>Montr\xc3\xa9"), QStringLiteral("<t>Montr\u00e9"));
    }
};

QTEST_GUILESS_MAIN(TestXoapDocument)
#include "TestXoapDocument.moc"
