#include "DataRow.h"
#include "TestFiles.h"
#include "platform/linux/RouteConnectionState.h"

#include <QTemporaryDir>
#include <QtTest>

class TestRouteConnection : public QObject {
    Q_OBJECT
private slots:
    void ipv4_default_route_data()
    {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<bool>("online");
        const QByteArray header
            = "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\n";
        dataRow("default route up",
            header + "eth0\t00000000\t0102A8C0\t0003\t0\t0\t100\t00000000\n", true);
        dataRow("only a local network",
            header + "eth0\t0002A8C0\t00000000\t0001\t0\t0\t100\t00FFFFFF\n", false);
        dataRow("default route not up",
            header + "eth0\t00000000\t0102A8C0\t0002\t0\t0\t100\t00000000\n", false);
        dataRow("unreachable default route",
            header + "*\t00000000\t00000000\t0201\t0\t0\t0\t00000000\n", false);
        dataRow("unreadable", QByteArray(), false);
    }
    void ipv4_default_route()
    {
        QFETCH(QByteArray, table);
        QTEST(RouteConnectionState::hasIpv4DefaultRoute(table), "online");
    }

    void ipv6_default_route_data()
    {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<bool>("online");
        const QByteArray zero(32, '0');
        dataRow("default through eth0",
            zero + " 00 " + zero
                + " 00 fe800000000000000000000000000001 00000400 00000001 "
                  "00000000 00450003 eth0\n",
            true);
        dataRow("loopback reject route",
            zero + " 00 " + zero + " 00 " + zero + " ffffffff 00000001 00000000 00200200 lo\n",
            false);
    }
    void ipv6_default_route()
    {
        QFETCH(QByteArray, table);
        QTEST(RouteConnectionState::hasIpv6DefaultRoute(table), "online");
    }

    void reads_both_tables_from_its_folder()
    {
        QTemporaryDir dir;
        writeBytes(dir.filePath(QStringLiteral("ipv6_route")),
            QByteArray(32, '0') + " 00 " + QByteArray(32, '0') + " 00 " + QByteArray(32, '1')
                + " 00000400 00000001 00000000 00000003 wlan0\n");
        RouteConnectionState state(dir.path());
        QVERIFY(state.IsConnected());
        QVERIFY(!RouteConnectionState(dir.filePath(QStringLiteral("none"))).IsConnected());
        // A route gone is seen at the next tick, not held for longer.
        writeBytes(dir.filePath(QStringLiteral("ipv6_route")), QByteArray());
        QTest::qSleep(600);
        QVERIFY(!state.IsConnected());
    }
};

QTEST_APPLESS_MAIN(TestRouteConnection)
#include "TestRouteConnection.moc"
