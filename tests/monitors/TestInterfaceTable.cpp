#include "ProcFixture.h"
#include "monitors/CIpHelper.h"
#include "platform/linux/MountedFixedDisks.h"

class TestInterfaceTable : public QObject {
    Q_OBJECT

private slots:
    void properties_come_from_net_dev_and_sys()
    {
        ProcFixture proc;
        proc.writeNetDev({ { "lo", 3267, 3267 }, { "eth0", 5'000'000'000, 50151 } });
        for (const auto& [name, type, address, state] :
            { std::tuple("lo", "772", "00:00:00:00:00:00", "unknown"),
                std::tuple("eth0", "1", "00:0c:29:05:ab:ff", "up") }) {
            const QString folder = QStringLiteral("sys/class/net/%1/").arg(QLatin1String(name));
            proc.write(folder + "type", type);
            proc.write(folder + "address", address);
            proc.write(folder + "operstate", state);
            proc.write(folder + "flags", QStringLiteral("0x1003"));
            proc.write(folder + "speed", QStringLiteral("1000"));
        }
        CIpHelper helper(&proc.interfaces);
        const auto interfaces = helper.Interfaces();
        QCOMPARE(interfaces->Count(), 2);
        const CInterface& loopback = interfaces->item(1);
        QCOMPARE(loopback.type, 24);
        QCOMPARE(CIpHelper::FormatAdapterAddress(loopback.physicalAddress), QString());
        QCOMPARE(loopback.operationalStatus, 5);
        const CInterface& ethernet = interfaces->item(2);
        QCOMPARE(ethernet.type, 6);
        QCOMPARE(CIpHelper::FormatAdapterAddress(ethernet.physicalAddress),
            QStringLiteral("00-0C-29-05-AB-FF"));
        QCOMPARE(CIpHelper::FormatAdapterAddress(QByteArray::fromHex("0102030405060708090a")),
            QStringLiteral("01-02-03-04-05-06-07-08")); // eight bytes at most
        QCOMPARE(ethernet.speed, qint64(1'000'000'000));
        QCOMPARE(ethernet.inUnicastPackets, qint64(10 - 3));
        QCOMPARE(ethernet.inNonUnicastPackets, qint64(3));
        QCOMPARE(ethernet.description, QStringLiteral("eth0"));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, interfaces->item(3));
        // An adapter that went away and came back is read afresh.
        proc.writeNetDev({ { "lo", 1, 1 } });
        helper.Interfaces();
        proc.write(
            QStringLiteral("sys/class/net/eth0/address"), QStringLiteral("00:0c:29:05:ab:01"));
        proc.writeNetDev({ { "lo", 1, 1 }, { "eth0", 1, 1 } });
        QCOMPARE(CIpHelper::FormatAdapterAddress(helper.Interfaces()->item(2).physicalAddress),
            QStringLiteral("00-0C-29-05-AB-01"));
        // A table that disappears gives an empty collection and zero totals.
        QFile::remove(proc.path(QStringLiteral("proc/net/dev")));
        QCOMPARE(helper.Interfaces()->Count(), 0);
        QCOMPARE(helper.BytesReceived(), qint64(0));
    }

    void fixed_disks_are_local_block_devices_once_each_not_removable()
    {
        ProcFixture proc;
        proc.write(QStringLiteral("proc/self/mounts"),
            QStringLiteral("proc /proc proc rw 0 0\n"
                           "/dev/sda2 / ext4 rw 0 0\n"
                           "tmpfs /run tmpfs rw 0 0\n"
                           "/dev/sda3 /home/mes\\040donn\\303\\251es ext4 rw 0 0\n"
                           "/dev/sda2 /var/lib/docker ext4 rw 0 0\n"
                           "/dev/loop0 /snap/core squashfs ro 0 0\n"
                           "overlay /var/lib/docker/overlay2/x overlay rw 0 0\n"
                           "/dev/nvme0n1p1 /boot/efi vfat rw 0 0\n"
                           "/dev/sdb1 /media/cle vfat rw 0 0\n"
                           "/dev/mmcblk0 /media/carte exfat rw 0 0\n"));
        // A USB stick's partition and a memory card taken whole.
        proc.write(QStringLiteral("sys/devices/usb/sdb/removable"), QStringLiteral("1\n"));
        proc.write(QStringLiteral("sys/devices/usb/sdb/sdb1/partition"), QStringLiteral("1\n"));
        proc.write(QStringLiteral("sys/class/block/mmcblk0/removable"), QStringLiteral("1\n"));
        proc.write(QStringLiteral("sys/class/block/nvme0n1p1/partition"), QStringLiteral("1\n"));
        proc.write(QStringLiteral("sys/class/block/nvme0n1/removable"), QStringLiteral("0\n"));
        QVERIFY(QFile::link(QStringLiteral("../../devices/usb/sdb/sdb1"),
            proc.path(QStringLiteral("sys/class/block/sdb1"))));
        MountedFixedDisks disks(proc.dir.path(), [](const QString&) { return DiskSpace {}; });
        QCOMPARE(disks.list(),
            QStringList({ QStringLiteral("/"), QStringLiteral("/home/mes donn\u00e9es"),
                QStringLiteral("/boot/efi") }));
    }
};

QTEST_GUILESS_MAIN(TestInterfaceTable)
#include "TestInterfaceTable.moc"
