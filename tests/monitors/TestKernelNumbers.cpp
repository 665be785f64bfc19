#include "ChildLimits.h"
#include "DataRow.h"
#include "ProcFixture.h"
#include "monitors/CIpHelper.h"
#include "monitors/cCPULoad.h"
#include "platform/linux/ProcFile.h"

#include <limits>

namespace {

constexpr qint64 kMax = std::numeric_limits<qint64>::max();

} // namespace

// The kernel prints its counters unsigned and may print numbers far above what a busy machine
// reaches; the readers saturate instead of wrapping.
class TestKernelNumbers : public QObject {
    Q_OBJECT

private slots:
    // Both readers of the table, the whole one and the per-tick totals, skip a line whose name
    // is only blanks of any kind.
    void net_dev_counters_speed_and_totals_saturate_data()
    {
        QTest::addColumn<QString>("lines"); // under the two heading lines
        QTest::addColumn<QString>("speed"); // of eth0, in megabits per second
        QTest::addColumn<qint64>("octets"); // received by eth0
        QTest::addColumn<qint64>("bitsPerSecond");
        QTest::addColumn<qint64>("received"); // over every interface
        QTest::addColumn<qint64>("sent");
        const auto eth0 = [](const char* octets) {
            return QStringLiteral("  eth0: %1 10 0 0 0 0 0 3 %1 20 0 0 0 0 0 0\n")
                .arg(QLatin1String(octets));
        };
        const qint64 five = 5'000'000'000;
        dataRow("ordinary", eth0("5000000000"), "1000", five, qint64(1'000'000'000), five, five);
        dataRow("2^63", eth0("9223372036854775808"), "4294967295", kMax,
            qint64(4'294'967'295'000'000), kMax, kMax);
        dataRow("2^64 - 1 and a speed beyond 2^63 bits", eth0("18446744073709551615"),
            "9223372036855", kMax, kMax, kMax, kMax);
        dataRow("more digits than any counter", eth0("123456789012345678901234567890"), "-1", kMax,
            qint64(0), kMax, kMax);
        dataRow("totals over interfaces",
            "  lo: 3267 1 0 0 0 0 0 0 3267 1\n" + eth0("9223372036854775807"), "1000", kMax,
            qint64(1'000'000'000), kMax, kMax);
        dataRow("a blank name is no interface",
            QStringLiteral("\v \u00a0: 4 5 0 0 0 0 0 0 4 5\n  eth0: 10 1 0 0 0 0 0 0 20 2\n"),
            "1000", qint64(10), qint64(1'000'000'000), qint64(10), qint64(20));
    }
    void net_dev_counters_speed_and_totals_saturate()
    {
        QFETCH(QString, lines);
        QFETCH(QString, speed);
        ProcFixture proc;
        proc.write(QStringLiteral("proc/net/dev"), QStringLiteral("Inter-|\n face |\n") + lines);
        proc.write(QStringLiteral("sys/class/net/eth0/speed"), speed);
        const QList<InterfaceRow> rows = proc.interfaces.read();
        QCOMPARE(rows.last().name, QStringLiteral("eth0"));
        QTEST(rows.last().inOctets, "octets");
        QTEST(rows.last().speed, "bitsPerSecond");
        CIpHelper table(&proc.interfaces);
        table.Interfaces();
        CIpHelper ticks(&proc.interfaces);
        ticks.ReadTotals();
        for (const CIpHelper* helper : { &table, &ticks }) {
            QTEST(helper->BytesReceived(), "received");
            QTEST(helper->BytesSent(), "sent");
        }
    }

    void meminfo_kilobytes_saturate()
    {
        ProcFixture proc;
        proc.writeMeminfo(18'014'398'509'481'984, 9'007'199'254'740'992, 4, 1);
        const MemoryStatus status = proc.memory.read();
        QCOMPARE(status.totalPhysical, kMax);
        QCOMPARE(status.availablePhysical, kMax);
        QCOMPARE(status.totalVirtual, qint64(4096));
        QCOMPARE(status.availableVirtual, qint64(1024));
    }

    void idle_ticks_saturate()
    {
        ProcFixture proc;
        proc.write(QStringLiteral("proc/stat"),
            QStringLiteral("cpu0 1 0 1 9223372036854775807 9223372036854775807 0\n"
                           "cpu1 1 0 1 1000000000000000 0 0\n"
                           "cpu2 1 0 1 150 50 0\n"));
        ProcessorSample sample;
        QVERIFY(proc.processors.readSample(sample));
        QCOMPARE(sample.processors.size(), 3);
        QCOMPARE(sample.processors[0].idleTime, kMax);
        QCOMPARE(sample.processors[1].idleTime, kMax);
        QCOMPARE(sample.processors[2].idleTime, qint64(200) * 100'000);
    }

    void huge_processor_number_takes_no_table_of_its_size()
    {
        ProcFixture proc;
        proc.write(QStringLiteral("proc/stat"),
            QStringLiteral("cpu0 1 0 1 100 0 0\ncpu99999999 1 0 1 100 0 0\n"
                           "cpu99999999999999999999 1 0 1 100 0 0\n"));
        const int result = runWithMemoryHeadroom(256 << 20, [&] {
            cCPULoad load(&proc.processors);
            if (load.GetCPUCount() != 100'000'000)
                return false;
            load.CollectCPUData();
            proc.write(QStringLiteral("proc/stat"),
                QStringLiteral("cpu0 1 0 1 150 0 0\ncpu99999999 1 0 1 200 0 0\n"));
            proc.advanceSeconds(1.0);
            load.CollectCPUData();
            return load.GetCPUUsage(1) == 50 && load.GetCPUUsage(100'000'000) == 0
                && load.GetCPUUsage(2) == 0 && load.GetMachineUsage() == 25;
        });
        QCOMPARE(result, 1);
    }

    // The file stays open between samples: each read must still be the kernel's text of now
    // (this process's read count grows with every read), and a file written over in place reads
    // whole, shorter or longer.
    void a_kept_file_is_read_anew_each_time()
    {
        const ProcFile io(QStringLiteral("/proc/self/io"));
        const auto readChars = [&io] {
            QByteArray text;
            return io.read(text) ? text.split('\n').value(0).mid(7).toLongLong() : -1;
        };
        const qint64 first = readChars();
        QVERIFY(first > 0);
        QVERIFY(readChars() > first);

        ProcFixture proc;
        const ProcFile kept(proc.path(QStringLiteral("proc/stat")));
        QByteArray text;
        QVERIFY(!kept.read(text));
        for (const QString& content :
            { QStringLiteral("long line\nsecond\n"), QStringLiteral("x") }) {
            proc.write(QStringLiteral("proc/stat"), content);
            QVERIFY(kept.read(text));
            QCOMPARE(QString::fromUtf8(text), content);
        }
    }
};

QTEST_GUILESS_MAIN(TestKernelNumbers)
#include "TestKernelNumbers.moc"
