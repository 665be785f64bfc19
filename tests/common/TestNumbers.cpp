#include "common/Numbers.h"

#include <QtTest>

class TestNumbers : public QObject {
    Q_OBJECT
private slots:
    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("decimal point") << "2.5" << 2.5;
        QTest::newRow("blanks anywhere are skipped") << " 1 2\t8\n" << 128.0;
        QTest::newRow("trailing text ignored") << "15 minutes" << 15.0;
        QTest::newRow("negative") << "-1" << -1.0;
        QTest::newRow("plus sign") << "+7" << 7.0;
        QTest::newRow("not a number") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("sign only") << "-" << 0.0;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("comma is not a decimal point") << "2,5" << 2.0;
        QTest::newRow("second point ends the number") << "1.2.3" << 1.2;
    }
    void leadingNumber()
    {
        QFETCH(QString, text);
        QTEST(Numbers::LeadingNumber(text), "expected");
    }

    void integers_round_halves_to_even_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("2.5") << "2.5" << qint64(2);
        QTest::newRow("3.5") << "3.5" << qint64(4);
        QTest::newRow("-2.5") << "-2.5" << qint64(-2);
        QTest::newRow("2.6") << "2.6" << qint64(3);
        QTest::newRow("too large saturates") << "99999999999999999999" << LLONG_MAX;
        QTest::newRow("too small saturates") << "-99999999999999999999" << LLONG_MIN;
    }
    void integers_round_halves_to_even()
    {
        QFETCH(QString, text);
        QTEST(Numbers::LeadingInteger(text), "expected");
    }
};

QTEST_APPLESS_MAIN(TestNumbers)
#include "TestNumbers.moc"
