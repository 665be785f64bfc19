#include "ProcFixture.h"
#include "monitors/CIpHelper.h"
#include "platform/linux/MountedFixedDisks.h"

#include <QTest>

namespace {

void writeInterface(ProcFixture& proc, const QString& name, const QByteArray& type,
    const QByteArray& address, const QByteArray& operState, const QByteArray& flags)
{
    const QString folder = QStringLiteral("sys/class/net/") + name + QLatin1Char('/');
    proc.write(folder + QStringLiteral("ifindex"), "2\n");
    proc.write(folder + QStringLiteral("type"), type + '\n');
    proc.write(folder + QStringLiteral("mtu"), "1500\n");
    proc.write(folder + QStringLiteral("speed"), "1000\n");
    proc.write(folder + QStringLiteral("tx_queue_len"), "1000\n");
    proc.write(folder + QStringLiteral("address"), address + '\n');
    proc.write(folder + QStringLiteral("operstate"), operState + '\n');
    proc.write(folder + QStringLiteral("flags"), flags + '\n');
    proc.write(folder + QStringLiteral("ifalias"), "\n");
}

} // namespace

class TestInterfaceTable : public QObject {
    Q_OBJECT

private slots:
    void properties_come_from_net_dev_and_sys()
    {
        ProcFixture proc;
        proc.writeNetDev(
            { { QStringLiteral("lo"), 3267, 3267 }, { QStringLiteral("eth0"), 45756683, 50151 } });
        writeInterface(proc, QStringLiteral("lo"), "772", "00:00:00:00:00:00", "unknown", "0x9");
        writeInterface(proc, QStringLiteral("eth0"), "1", "00:0c:29:05:ab:ff", "up", "0x1003");
        CIpHelper helper(&proc.interfaces);
        const auto interfaces = helper.Interfaces();
        QCOMPARE(interfaces->Count(), 2);
        const CInterface* loopback = interfaces->item(1);
        QCOMPARE(loopback->InterfaceName, QStringLiteral("lo"));
        QCOMPARE(loopback->InterfaceType, 24);
        QCOMPARE(loopback->AdapterAddress, QString());
        QCOMPARE(loopback->OperationalStatus, 5);
        const CInterface* ethernet = interfaces->item(2);
        QCOMPARE(ethernet->InterfaceType, 6);
        QCOMPARE(ethernet->AdapterAddress, QStringLiteral("00-0C-29-05-AB-FF"));
        QCOMPARE(ethernet->MaximumTransmissionUnit, 1500);
        QCOMPARE(ethernet->Speed, qint64(1'000'000'000));
        QCOMPARE(ethernet->AdminStatus, 1);
        QCOMPARE(ethernet->OperationalStatus, 5);
        QCOMPARE(ethernet->OctetsReceived, qint64(45756683));
        QCOMPARE(ethernet->UnicastPacketsReceived, qint64(10 - 3));
        QCOMPARE(ethernet->NonunicastPacketsReceived, qint64(3));
        QCOMPARE(ethernet->IncomingErrors, qint64(1));
        QCOMPARE(ethernet->DiscardedOutgoingPackets, qint64(5));
        QCOMPARE(ethernet->OutputQueueLength, qint64(1000));
        QCOMPARE(ethernet->LastChange, qint64(0));
        QCOMPARE(ethernet->InterfaceDescription, QStringLiteral("eth0"));
        // Every interface counts, the loopback included.
        QCOMPARE(helper.BytesReceived(), qint64(3267 + 45756683));
        QCOMPARE(helper.BytesSent(), qint64(3267 + 50151));
    }

    void counters_beyond_32_bits_add_up_whole()
    {
        ProcFixture proc;
        proc.writeNetDev({ { QStringLiteral("eth0"), 3'000'000'000, 5'000'000'000 },
            { QStringLiteral("wlan0"), 3'000'000'000, 1 } });
        CIpHelper helper(&proc.interfaces);
        helper.Interfaces();
        QCOMPARE(helper.BytesReceived(), qint64(6'000'000'000));
        QCOMPARE(helper.BytesSent(), qint64(5'000'000'001));
    }

    void missing_table_gives_an_empty_collection_and_zero_totals()
    {
        ProcFixture proc;
        proc.writeNetDev({ { QStringLiteral("eth0"), 100, 200 } });
        CIpHelper helper(&proc.interfaces);
        helper.Interfaces();
        proc.remove(QStringLiteral("proc/net/dev"));
        QCOMPARE(helper.Interfaces()->Count(), 0);
        QCOMPARE(helper.BytesReceived(), qint64(0));
    }

    void reading_twice_leaves_the_first_collection_unchanged()
    {
        ProcFixture proc;
        proc.writeNetDev({ { QStringLiteral("eth0"), 100, 200 } });
        CIpHelper helper(&proc.interfaces);
        const auto first = helper.Interfaces();
        proc.writeNetDev({ { QStringLiteral("eth0"), 900, 200 } });
        const auto second = helper.Interfaces();
        QVERIFY(first != second);
        QCOMPARE(first->item(1)->OctetsReceived, qint64(100));
        QCOMPARE(second->item(1)->OctetsReceived, qint64(900));
    }

    void collection_positions_count_from_one()
    {
        CInterfaces list;
        auto item = std::make_unique<CInterface>();
        item->InterfaceName = QStringLiteral("eth0");
        CInterface* added = list.Add(item);
        QVERIFY(!item); // taken from the caller
        QCOMPARE(list.item(1), added);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, list.item(0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, list.item(2));
        list.Remove(1);
        QCOMPARE(list.Count(), 0);
    }

    void adapter_address_keeps_two_digits_per_byte_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("six bytes") << QByteArray::fromHex("000c2905abff") << "00-0C-29-05-AB-FF";
        QTest::newRow("none") << QByteArray() << "";
        QTest::newRow("at most eight")
            << QByteArray::fromHex("0102030405060708090a") << "01-02-03-04-05-06-07-08";
    }
    void adapter_address_keeps_two_digits_per_byte()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(CIpHelper::FormatAdapterAddress(bytes), text);
    }

    void fixed_disks_are_local_block_devices_once_each()
    {
        ProcFixture proc;
        proc.write(QStringLiteral("proc/self/mounts"),
            "proc /proc proc rw 0 0\n"
            "/dev/sda2 / ext4 rw 0 0\n"
            "tmpfs /run tmpfs rw 0 0\n"
            "/dev/sda3 /home/mes\\040donn\\303\\251es ext4 rw 0 0\n"
            "/dev/sda2 /var/lib/docker ext4 rw 0 0\n"
            "/dev/loop0 /snap/core squashfs ro 0 0\n"
            "overlay /var/lib/docker/overlay2/x overlay rw 0 0\n"
            "/dev/nvme0n1p1 /boot/efi vfat rw 0 0\n");
        MountedFixedDisks disks(proc.root(), [](const QString&) { return DiskSpace { 10, 5 }; });
        QCOMPARE(disks.list(),
            QStringList({ QStringLiteral("/"), QStringLiteral("/home/mes donn\u00e9es"),
                QStringLiteral("/boot/efi") }));
    }

    void memory_figures_in_bytes()
    {
        ProcFixture proc;
        proc.writeMeminfo(2000, 500, 1000, 250);
        const MemoryStatus status = proc.memory.read();
        QCOMPARE(status.totalPhysical, qint64(2000 * 1024));
        QCOMPARE(status.availablePhysical, qint64(500 * 1024));
        QCOMPARE(status.totalVirtual, qint64(1000 * 1024));
        QCOMPARE(status.availableVirtual, qint64(250 * 1024));
    }
};

QTEST_GUILESS_MAIN(TestInterfaceTable)
#include "TestInterfaceTable.moc"
