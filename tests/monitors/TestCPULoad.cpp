#include "DataRow.h"
#include "ProcFixture.h"
#include "monitors/cCPULoad.h"

class TestCPULoad : public QObject {
    Q_OBJECT

private slots:
    void load_from_idle_time_between_two_samples_data()
    {
        // Idle and iowait clock ticks of 10 ms, converted by the reader to 100-ns units.
        QTest::addColumn<QList<qint64>>("idleGrowth");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QList<int>>("perProcessor");
        QTest::addColumn<int>("machine");
        using Ticks = QList<qint64>;
        using Loads = QList<int>;
        dataRow("four processors", Ticks { 100, 75, 50, 5 }, 1.0, Loads { 0, 25, 50, 95 }, 42);
        dataRow("mean rounds half to even", Ticks { 99, 100 }, 1.0, Loads { 1, 0 }, 0);
        dataRow("idle grew more than the time: negative", Ticks { 110 }, 1.0, Loads { -10 }, -10);
        dataRow("offline processor left out of the mean", Ticks { 100, -1, 0 }, 1.0,
            Loads { 0, 0, 100 }, 50);
        dataRow("two samples at the same time read zero", Ticks { 10 }, 0.0, Loads { 0 }, 0);
    }
    void load_from_idle_time_between_two_samples()
    {
        QFETCH(QList<qint64>, idleGrowth);
        QFETCH(double, seconds);
        QFETCH(QList<int>, perProcessor);
        ProcFixture proc;
        QList<qint64> idle;
        for (qint64 growth : idleGrowth)
            idle.append(growth < 0 ? -1 : 5000);
        proc.writeStat(idle);
        cCPULoad load(&proc.processors);
        QCOMPARE(load.GetCPUCount(), idle.size());
        load.CollectCPUData();
        for (int n = 0; n < idle.size(); ++n)
            idle[n] += idle[n] < 0 ? 0 : idleGrowth[n];
        proc.writeStat(idle);
        proc.advanceSeconds(seconds);
        load.CollectCPUData();
        for (int index = 1; index <= perProcessor.size(); ++index)
            QCOMPARE(load.GetCPUUsage(index), perProcessor[index - 1]);
        QTEST(load.GetMachineUsage(), "machine");
    }

    void failures_carry_number_source_and_message_data()
    {
        QTest::addColumn<int>("processors"); // in /proc/stat; -1: file missing
        QTest::addColumn<int>("index");
        QTest::addColumn<quint32>("number");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("message");
        dataRow("unreadable stat", -1, 1, quint32(0x80041F46), "CPULoad.CollectCPUData()",
            "Unable to read performance data");
        dataRow("no processor lines", 0, 1, quint32(0x80041F44), "CPULoad.CollectData",
            "Unable to locate the 'Processor' performance object");
        dataRow("index above count", 2, 3, quint32(0x80041F43), "CPULoad.GetCPUUsage()",
            "CPU index out of bounds");
    }
    void failures_carry_number_source_and_message()
    {
        QFETCH(int, processors);
        QFETCH(int, index);
        ProcFixture proc;
        if (processors >= 0)
            proc.writeStat(QList<qint64>(processors, 1));
        cCPULoad load(&proc.processors);
        try {
            load.CollectCPUData();
            load.GetCPUUsage(index);
            QFAIL("no error raised");
        } catch (const CPULoadError& error) {
            QTEST(error.number(), "number");
            QTEST(error.source(), "source");
            QTEST(error.message(), "message");
        }
    }
};

QTEST_GUILESS_MAIN(TestCPULoad)
#include "TestCPULoad.moc"
