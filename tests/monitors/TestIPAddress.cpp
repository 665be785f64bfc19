#include "DataRow.h"
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
        const QStringList two { "10.0.0.1", "192.168.1.7" };
        dataRow("two addresses: the last", two, up, true, "192.168.1.7");
        dataRow("one before the last", two, up, false, "10.0.0.1");
        dataRow("one address, none before it", QStringList { "10.0.0.1" }, up, false, "");
        dataRow("loopback of the host name skipped", QStringList { "127.0.1.1", "10.0.0.1" }, up,
            true, "10.0.0.1");
        dataRow("only loopback: interfaces, IPv4 first", QStringList { "127.0.1.1" }, up, true,
            "192.168.1.20");
        dataRow("IPv6 only machine", QStringList(), up.mid(1, 1), true, "2001:db8::5");
        dataRow("nothing but loopback: empty", QStringList { "127.0.1.1" }, up.mid(0, 1), true, "");
    }
    void address_shown()
    {
        QFETCH(QStringList, resolved);
        QFETCH(QList<InterfaceAddress>, interfaces);
        QFETCH(bool, last);
        QTEST(GetIPAddress(resolved, interfaces, last), "address");
    }
};

QTEST_GUILESS_MAIN(TestIPAddress)
#include "TestIPAddress.moc"
