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
        QTest::newRow("empty box") << "+OK 0 0\r\n" << fr << QString();
        QTest::newRow("1536 bytes") << "+OK 3 1536\r\n" << fr << "3 message(s) (1,5 Ko)";
        QTest::newRow("2048 keeps the separator") << "+OK 1 2048\r\n"
                                                  << fr << "1 message(s) (2, Ko)";
        QTest::newRow("1 MiB is still Ko") << "+OK 2 1048576\r\n"
                                           << fr << "2 message(s) (1024, Ko)";
        QTest::newRow("one byte more is Mo") << "+OK 2 1048577\r\n"
                                             << fr << "2 message(s) (1,00 Mo)";
        QTest::newRow("3 MiB") << "+OK 12 3145728\r\n" << fr << "12 message(s) (3,00 Mo)";
        QTest::newRow("no grouping") << "+OK 1 5368709120\r\n" << fr << "1 message(s) (5120,00 Mo)";
        QTest::newRow("one space only") << "+OK 5\r\n" << fr << QString();
        QTest::newRow("bare line end") << "+OK 3 1536\n" << fr << "3 message(s) (1,5 Ko)";
        QTest::newRow("size not a number") << "+OK 3 many\r\n" << fr << "3 message(s) (0, Ko)";
        QTest::newRow("C locale separator") << "+OK 3 1536\r\n"
                                            << QLocale::c() << "3 message(s) (1.5 Ko)";
    }
    void stat_reply_gives_count_and_size()
    {
        QFETCH(QString, reply);
        QFETCH(QLocale, locale);
        QFETCH(QString, status);
        QCOMPARE(Pop3Stat::ParsePop3Stat(reply, locale).statusText(), status);
    }
};

QTEST_GUILESS_MAIN(TestPop3Stat)
#include "TestPop3Stat.moc"
