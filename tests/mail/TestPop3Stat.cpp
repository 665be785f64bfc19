#include "mail/Pop3Stat.h"

#include <QTest>

class TestPop3Stat : public QObject {
    Q_OBJECT
private slots:
    void stat_reply_gives_count_and_size_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("status");
        QTest::newRow("empty box") << "+OK 0 0\r\n"
                                   << " 0"
                                   << "0, Ko" << QString();
        QTest::newRow("1536 bytes") << "+OK 3 1536\r\n"
                                    << " 3"
                                    << "1,5 Ko"
                                    << "3 message(s) (1,5 Ko)";
        QTest::newRow("2048 keeps the separator") << "+OK 1 2048\r\n"
                                                  << " 1"
                                                  << "2, Ko"
                                                  << "1 message(s) (2, Ko)";
        QTest::newRow("1 MiB is still Ko") << "+OK 2 1048576\r\n"
                                           << " 2"
                                           << "1024, Ko"
                                           << "2 message(s) (1024, Ko)";
        QTest::newRow("one byte more is Mo") << "+OK 2 1048577\r\n"
                                             << " 2"
                                             << "1,00 Mo"
                                             << "2 message(s) (1,00 Mo)";
        QTest::newRow("3 MiB") << "+OK 4 3145728\r\n"
                               << " 4"
                               << "3,00 Mo"
                               << "4 message(s) (3,00 Mo)";
        QTest::newRow("5 MiB, twelve") << "+OK 12 5242880\r\n"
                                       << " 12"
                                       << "5,00 Mo"
                                       << "12 message(s) (5,00 Mo)";
        QTest::newRow("large Mo without grouping") << "+OK 1 5368709120\r\n"
                                                   << " 1"
                                                   << "5120,00 Mo"
                                                   << "1 message(s) (5120,00 Mo)";
        QTest::newRow("two decimals at most") << "+OK 1 1000\r\n"
                                              << " 1"
                                              << "0,98 Ko"
                                              << "1 message(s) (0,98 Ko)";
        QTest::newRow("one space only") << "+OK 5\r\n" << QString() << QString() << QString();
        QTest::newRow("bare line end") << "+OK 3 1536\n"
                                       << " 3"
                                       << "1,5 Ko"
                                       << "3 message(s) (1,5 Ko)";
        QTest::newRow("size not a number") << "+OK 3 many\r\n"
                                           << " 3"
                                           << "0, Ko"
                                           << "3 message(s) (0, Ko)";
    }
    void stat_reply_gives_count_and_size()
    {
        QFETCH(QString, reply);
        QFETCH(QString, count);
        QFETCH(QString, size);
        QFETCH(QString, status);
        const Pop3Stat stat = Pop3Stat::ParsePop3Stat(reply, QLocale(QLocale::French));
        QCOMPARE(stat.count, count);
        QCOMPARE(stat.size, size);
        QCOMPARE(stat.statusText(), status);
    }

    void size_uses_the_locale_separator()
    {
        QCOMPARE(Pop3Stat::FormatSize(1536, QLocale::c()), QStringLiteral("1.5 Ko"));
        QCOMPARE(
            Pop3Stat::FormatSize(3145728, QLocale(QLocale::English)), QStringLiteral("3.00 Mo"));
    }
};

QTEST_GUILESS_MAIN(TestPop3Stat)
#include "TestPop3Stat.moc"
