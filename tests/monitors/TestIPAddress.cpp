#include "monitors/GetIPAddress.h"

#include <QTest>

Q_DECLARE_METATYPE(QList<InterfaceAddress>)

class TestIPAddress : public QObject {
    Q_OBJECT

private slots:
    void address_shown_data()
    {
        QTest::addColumn<QStringList>("resolved");
        QTest::addColumn<QList<InterfaceAddress>>("interfaces");
        QTest::addColumn<bool>("last");
        QTest::addColumn<QString>("address");
        const QList<InterfaceAddress> up = { { QStringLiteral("127.0.0.1"), false, true },
            { QStringLiteral("2001:db8::5"), true, false },
            { QStringLiteral("192.168.1.20"), false, false } };
        QTest::newRow("two addresses: the last")
            << QStringList { "10.0.0.1", "192.168.1.7" } << up << true << "192.168.1.7";
        QTest::newRow("one before the last")
            << QStringList { "10.0.0.1", "192.168.1.7" } << up << false << "10.0.0.1";
        QTest::newRow("one address, none before it")
            << QStringList { "10.0.0.1" } << up << false << "";
        QTest::newRow("loopback of the host name skipped")
            << QStringList { "127.0.1.1", "10.0.0.1" } << up << true << "10.0.0.1";
        QTest::newRow("only loopback: interfaces, IPv4 first")
            << QStringList { "127.0.1.1" } << up << true << "192.168.1.20";
        QTest::newRow("IPv6 only machine")
            << QStringList {}
            << QList<InterfaceAddress> { { QStringLiteral("2001:db8::5"), true, false } } << true
            << "2001:db8::5";
        QTest::newRow("nothing but loopback: empty")
            << QStringList { "127.0.1.1" }
            << QList<InterfaceAddress> { { QStringLiteral("127.0.0.1"), false, true } } << true
            << "";
    }
    void address_shown()
    {
        QFETCH(QStringList, resolved);
        QFETCH(QList<InterfaceAddress>, interfaces);
        QFETCH(bool, last);
        QFETCH(QString, address);
        QCOMPARE(GetIPAddress(resolved, interfaces, last), address);
    }
};

QTEST_GUILESS_MAIN(TestIPAddress)
#include "TestIPAddress.moc"
