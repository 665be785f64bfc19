#include "DataRow.h"
#include "mail/Pop3Stat.h"

#include <QTest>

class TestPop3Stat : public QObject {
    Q_OBJECT
private slots:
    void stat_reply_gives_count_and_size_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("status");
        const QLocale fr(QLocale::French);
        dataRow("empty box", "+OK 0 0\r\n", fr, QString());
        dataRow("1536 bytes", "+OK 3 1536\r\n", fr, "3 message(s) (1,5 Ko)");
        dataRow("2048 keeps the separator", "+OK 1 2048\r\n", fr, "1 message(s) (2, Ko)");
        dataRow("1 MiB is still Ko", "+OK 2 1048576\r\n", fr, "2 message(s) (1024, Ko)");
        dataRow("one byte more is Mo", "+OK 2 1048577\r\n", fr, "2 message(s) (1,00 Mo)");
        dataRow("3 MiB", "+OK 12 3145728\r\n", fr, "12 message(s) (3,00 Mo)");
        dataRow("no grouping", "+OK 1 5368709120\r\n", fr, "1 message(s) (5120,00 Mo)");
        dataRow("one space only", "+OK 5\r\n", fr, QString());
        dataRow("bare line end", "+OK 3 1536\n", fr, "3 message(s) (1,5 Ko)");
        dataRow("size not a number", "+OK 3 many\r\n", fr, "3 message(s) (0, Ko)");
        dataRow("C locale separator", "+OK 3 1536\r\n", QLocale::c(), "3 message(s) (1.5 Ko)");
    }
    void stat_reply_gives_count_and_size()
    {
        QFETCH(QString, reply);
        QFETCH(QLocale, locale);
        QTEST(Pop3Stat::ParsePop3Stat(reply, locale).statusText(), "status");
    }
};

QTEST_GUILESS_MAIN(TestPop3Stat)
#include "TestPop3Stat.moc"
