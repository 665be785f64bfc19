#include "common/Cp1252.h"
#include "common/Numbers.h"

#include <QtTest>

class TestNumbers : public QObject {
    Q_OBJECT
private slots:
    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("plain") << "128" << 128.0;
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
        QTest::newRow("0.5") << "0.5" << qint64(0);
        QTest::newRow("too large saturates") << "99999999999999999999" << LLONG_MAX;
        QTest::newRow("too small saturates") << "-99999999999999999999" << LLONG_MIN;
    }
    void integers_round_halves_to_even()
    {
        QFETCH(QString, text);
        QTEST(Numbers::LeadingInteger(text), "expected");
    }

    void cp1252_round_trips_every_code()
    {
        QByteArray all;
        for (int code = 0; code < 256; ++code)
            all.append(static_cast<char>(code));
        QCOMPARE(Cp1252::encode(Cp1252::decode(all)), all);
    }

    void cp1252_maps_the_special_range_and_replaces_the_rest()
    {
        QCOMPARE(Cp1252::encode(QStringLiteral("\u20AC\u00E9\u0153")), QByteArray("\x80\xE9\x9C"));
        QCOMPARE(Cp1252::decode(QByteArray("\x80")), QStringLiteral("\u20AC"));
        QCOMPARE(Cp1252::encode(QStringLiteral("\u4E2D")), QByteArray("?"));
    }
};

QTEST_APPLESS_MAIN(TestNumbers)
#include "TestNumbers.moc"
