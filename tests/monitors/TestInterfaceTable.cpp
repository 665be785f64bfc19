#include "ProcFixture.h"
#include "monitors/CIpHelper.h"
#include "platform/linux/MountedFixedDisks.h"

class TestInterfaceTable : public QObject {
    Q_OBJECT

    static void writeInterface(ProcFixture& proc, const QString& name, const QByteArray& type,
        const QByteArray& address, const QByteArray& operState, const QByteArray& flags)
    {
        const QList<std::pair<const char*, QByteArray>> attributes
            = { { "ifindex", "2" }, { "type", type }, { "mtu", "1500" }, { "speed", "1000" },
                  { "tx_queue_len", "1000" }, { "address", address }, { "operstate", operState },
                  { "flags", flags }, { "ifalias", "" } };
        for (const auto& [file, text] : attributes)
            proc.write(QStringLiteral("sys/class/net/%1/%2").arg(name, file), text + '\n');
    }

private slots:
    void properties_come_from_net_dev_and_sys()
    {
        ProcFixture proc;
        proc.writeNetDev({ { QStringLiteral("lo"), 3267, 3267 },
            { QStringLiteral("eth0"), 5'000'000'000, 50151 } });
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
        QCOMPARE(ethernet->Speed, qint64(1'000'000'000));
        QCOMPARE(ethernet->AdminStatus, 1);
        QCOMPARE(ethernet->UnicastPacketsReceived, qint64(10 - 3));
        QCOMPARE(ethernet->NonunicastPacketsReceived, qint64(3));
        QCOMPARE(ethernet->DiscardedOutgoingPackets, qint64(5));
        QCOMPARE(ethernet->InterfaceDescription, QStringLiteral("eth0"));
        // 64-bit sums over every interface, the loopback included.
        QCOMPARE(helper.BytesReceived(), qint64(3267 + 5'000'000'000));
        QCOMPARE(helper.BytesSent(), qint64(3267 + 50151));
        // A table that disappears gives an empty collection and zero totals.
        QFile::remove(proc.path(QStringLiteral("proc/net/dev")));
        QCOMPARE(helper.Interfaces()->Count(), 0);
        QCOMPARE(helper.BytesReceived(), qint64(0));
    }

    void collection_positions_count_from_one()
    {
        CInterfaces list;
        auto item = std::make_unique<CInterface>();
        CInterface* added = list.Add(item);
        QCOMPARE(list.item(1), added);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, list.item(0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, list.item(2));
    }

    void adapter_address_keeps_two_digits_per_byte_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << QByteArray() << "";
        QTest::newRow("at most eight")
            << QByteArray::fromHex("0102030405060708090a") << "01-02-03-04-05-06-07-08";
    }
    void adapter_address_keeps_two_digits_per_byte()
    {
        QFETCH(QByteArray, bytes);
        QTEST(CIpHelper::FormatAdapterAddress(bytes), "text");
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
        MountedFixedDisks disks(proc.dir.path(), [](const QString&) {
            return DiskSpace { 10, 5 };
        });
        QCOMPARE(disks.list(),
            QStringList({ QStringLiteral("/"), QStringLiteral("/home/mes donn\u00e9es"),
                QStringLiteral("/boot/efi") }));
    }
};

QTEST_GUILESS_MAIN(TestInterfaceTable)
#include "TestInterfaceTable.moc"
