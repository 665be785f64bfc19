#include "ProcFixture.h"
#include "TestApp.h"
#include "monitors/DrawingBox.h"
#include "monitors/SysGraphs.h"
#include "monitors/frmCPUUsage.h"

#include <QLabel>
#include <QTest>

namespace {

const QColor kDark(222, 228, 236);
const QColor kLight(125, 211, 252);
const QColor kTitle(94, 234, 212);
const QColor kError(248, 113, 113);
const QColor kBackground(22, 27, 35);

void setSkinColours(SkinState& skin)
{
    skin.colorTextDark = kDark.red() + 256 * kDark.green() + 65536 * kDark.blue();
    skin.colorTextLight = kLight.red() + 256 * kLight.green() + 65536 * kLight.blue();
    skin.colorTextTitle = kTitle.red() + 256 * kTitle.green() + 65536 * kTitle.blue();
    skin.colorTextError = kError.red() + 256 * kError.green() + 65536 * kError.blue();
    skin.colorBackGround
        = kBackground.red() + 256 * kBackground.green() + 65536 * kBackground.blue();
}

// The module on prepared /proc files: one processor, 1 GB of memory, no swap.
struct SystemBench {
    TestApp app { false };
    ProcFixture proc;
    std::unique_ptr<frmCPUUsage> module;
    qint64 idle = 1000;

    SystemBench()
    {
        setSkinColours(app.skin);
        app.context.platform.processors = &proc.processors;
        app.context.platform.memory = &proc.memory;
        proc.writeStat({ idle });
        proc.writeMeminfo(1'000'000, 500'000, 0, 0);
        module = std::make_unique<frmCPUUsage>(app.context);
        module->StartSampler();
    }
    // One second at the given load of the single processor.
    void tick(int loadPercent, bool hidden = false)
    {
        idle += 100 - loadPercent;
        proc.writeStat({ idle });
        proc.advanceSeconds(1);
        module->sampleTick(hidden);
    }
    QString text(const char* name) const
    {
        return module->findChild<QLabel*>(QLatin1String(name))->text();
    }
    QFrame* bar(const char* name) const { return module->findChild<QFrame*>(QLatin1String(name)); }
    QImage image(const char* name) const
    {
        return module->findChild<DrawingBox*>(QLatin1String(name))->image();
    }
};

int countInRow(const QImage& image, int y, const QColor& colour)
{
    int count = 0;
    for (int x = 0; x < image.width(); ++x)
        count += image.pixelColor(x, y) == colour;
    return count;
}

} // namespace

class TestSystemModule : public QObject {
    Q_OBJECT

private slots:
    void memory_label_and_bar_data()
    {
        QTest::addColumn<qint64>("totalKb");
        QTest::addColumn<qint64>("availableKb");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("barWidth"); // out of 130
        QTest::addColumn<QColor>("colour");
        QTest::newRow("84 % shows step 16 of 20")
            << qint64(1'000'000) << qint64(160'000) << "84 %" << 104 << kDark;
        QTest::newRow("84.4 % is floored")
            << qint64(1'000'000) << qint64(155'555) << "84 %" << 104 << kDark;
        QTest::newRow("exactly 90 % stays dark")
            << qint64(1'000'000) << qint64(100'000) << "90 %" << 117 << kDark;
        QTest::newRow("93 % in the error colour")
            << qint64(1'000'000) << qint64(70'000) << "93 %" << 117 << kError;
        QTest::newRow("full") << qint64(1'000'000) << qint64(0) << "100 %" << 130 << kError;
    }
    void memory_label_and_bar()
    {
        QFETCH(qint64, totalKb);
        QFETCH(qint64, availableKb);
        QFETCH(QString, label);
        QFETCH(int, barWidth);
        QFETCH(QColor, colour);
        SystemBench bench;
        bench.proc.writeMeminfo(totalKb, availableKb, 0, 0);
        bench.tick(10);
        QCOMPARE(bench.text("labRAMVal"), label);
        QCOMPARE(bench.bar("shapeRAMVal")->width(), barWidth);
        QCOMPARE(bench.bar("shapeRAMVal")->palette().color(QPalette::Window), colour);
    }

    void alarm_colour_follows_the_share_within_one_step()
    {
        SystemBench bench;
        bench.proc.writeMeminfo(1'000'000, 100'000, 0, 0); // 90 %
        bench.tick(10);
        bench.proc.writeMeminfo(1'000'000, 80'000, 0, 0); // 92 %, same 5 % step
        bench.tick(10);
        QCOMPARE(bench.bar("shapeRAMVal")->palette().color(QPalette::Window), kError);
    }

    void swap_label_is_floored_and_bar_rounded_data()
    {
        QTest::addColumn<qint64>("swapTotalKb");
        QTest::addColumn<qint64>("swapFreeKb");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("barWidth");
        QTest::newRow("87.5 %: label 87, bar 88 %") << qint64(1000) << qint64(125) << "87 %" << 114;
        QTest::newRow("no swap shows 0 % and an empty bar") << qint64(0) << qint64(0) << "0 %" << 0;
        QTest::newRow("unused swap") << qint64(2'000'000) << qint64(2'000'000) << "0 %" << 0;
    }
    void swap_label_is_floored_and_bar_rounded()
    {
        QFETCH(qint64, swapTotalKb);
        QFETCH(qint64, swapFreeKb);
        QFETCH(QString, label);
        QFETCH(int, barWidth);
        SystemBench bench;
        bench.proc.writeMeminfo(1'000'000, 500'000, swapTotalKb, swapFreeKb);
        bench.tick(10);
        QCOMPARE(bench.text("labVIRVal"), label);
        QCOMPARE(bench.bar("shapeVIRVal")->width(), barWidth);
    }

    void zero_memory_total_shows_zero_instead_of_failing()
    {
        SystemBench bench;
        bench.proc.remove(QStringLiteral("proc/meminfo"));
        bench.tick(10);
        QCOMPARE(bench.text("labRAMVal"), QStringLiteral("0 %"));
        QCOMPARE(bench.bar("shapeRAMVal")->width(), 0);
    }

    void first_tick_shows_zero_then_the_load()
    {
        SystemBench bench;
        bench.tick(37);
        QCOMPARE(bench.text("labCPUVal"), QStringLiteral("0 %"));
        bench.tick(37);
        QCOMPARE(bench.text("labCPUVal"), QStringLiteral("37 %"));
    }

    void label_shows_the_mean_of_the_processors()
    {
        SystemBench bench;
        bench.proc.writeStat({ 0, 0, 0, 0 });
        bench.module = std::make_unique<frmCPUUsage>(bench.app.context);
        bench.module->StartSampler();
        QCOMPARE(bench.module->cpuCount(), 4);
        bench.module->sampleTick(false);
        bench.proc.writeStat({ 100, 100, 50, 0 }); // 0, 0, 50 and 100 % busy
        bench.proc.advanceSeconds(1);
        bench.module->sampleTick(false);
        QCOMPARE(bench.text("labCPUVal"), QStringLiteral("38 %"));
    }

    void unreadable_counters_show_zero_and_ticking_goes_on()
    {
        SystemBench bench;
        bench.tick(50);
        bench.tick(50);
        bench.proc.remove(QStringLiteral("proc/stat"));
        bench.module->sampleTick(false);
        QCOMPARE(bench.text("labCPUVal"), QStringLiteral("0 %"));
        bench.tick(20);
        QCOMPARE(bench.text("labCPUVal"), QStringLiteral("20 %"));
    }

    void run_at_full_load_is_drawn_in_error_colour_but_its_two_oldest()
    {
        SystemBench bench;
        for (int i = 0; i < 4; ++i)
            bench.tick(0);
        for (int i = 0; i < 6; ++i)
            bench.tick(100);
        const QImage graph = bench.image("pictCPU");
        const int w = graph.width();
        const int bottom = graph.height() - 1;
        // Index 0 (the newest) is not drawn; indexes 1-5 hold the older five of the run.
        for (int i = 1; i <= 3; ++i)
            QCOMPARE(graph.pixelColor(w - i, bottom), kError);
        for (int i = 4; i <= 5; ++i)
            QCOMPARE(graph.pixelColor(w - i, bottom), kTitle);
        QCOMPARE(graph.pixelColor(w - 6, bottom), kBackground); // an idle second
        QCOMPARE(graph.pixelColor(w - 1, graph.height() / 2), kError); // full height
    }

    void graph_bar_height_follows_the_load()
    {
        SystemBench bench;
        bench.tick(0);
        bench.tick(50);
        bench.tick(0);
        const QImage graph = bench.image("pictCPU");
        int drawn = 0;
        for (int y = 0; y < graph.height(); ++y)
            drawn += graph.pixelColor(graph.width() - 1, y) == kTitle;
        QCOMPARE(drawn, graph.height() / 2);
    }

    void history_keeps_200_entries()
    {
        SystemBench bench;
        for (int i = 0; i < 205; ++i)
            bench.tick(30);
        QCOMPARE(bench.module->history().count(), 200);
        QCOMPARE(bench.module->history().highestIndex(), 200);
    }

    void hidden_bar_updates_labels_but_not_the_history()
    {
        SystemBench bench;
        bench.tick(40);
        bench.tick(40);
        const int count = bench.module->history().count();
        bench.proc.writeMeminfo(1'000'000, 160'000, 0, 0);
        bench.tick(60, true);
        QCOMPARE(bench.text("labCPUVal"), QStringLiteral("60 %"));
        QCOMPARE(bench.text("labRAMVal"), QStringLiteral("84 %"));
        QCOMPARE(bench.module->history().count(), count);
        QCOMPARE(bench.bar("shapeRAMVal")->width(), 130 * 10 / 20); // still the 50 % of before
    }

    void disks_at_95_and_90_percent()
    {
        SystemBench bench;
        bench.app.fakes.disks.roots
            = { QStringLiteral("/"), QStringLiteral("/home/utilisateur/donn\u00e9es") };
        bench.app.fakes.disks.spaces = { { QStringLiteral("/"), { 1000, 50 } },
            { QStringLiteral("/home/utilisateur/donn\u00e9es"), { 1000, 100 } } };
        bench.module->ListFixedDrives();
        const int row = SysGraphs::DiskRowHeight(bench.module->font());
        const QImage disks = bench.image("pictHD");
        QCOMPARE(disks.height(), 2 * row);
        QVERIFY(bench.module->layoutHeight() >= 128 + 2 * row);
        // 95 %: 66.5 units rounds to 66, filled 4 units short of it, in the error colour.
        QCOMPARE(countInRow(disks, row / 2 - 1, kError), 66 - 4);
        // 90 %: 63 units in the normal fill colour.
        QCOMPARE(countInRow(disks, row + row / 2 - 1, kLight), 63 - 4);
    }

    void disk_percentage_comes_from_the_rounded_length()
    {
        QCOMPARE(modCPUMEM::DiskUsage(1000, 50).usedUnits, 66);
        QCOMPARE(modCPUMEM::DiskUsage(1000, 50).percent, 94);
        QCOMPARE(modCPUMEM::DiskUsage(1000, 100).percent, 90);
        QCOMPARE(modCPUMEM::DiskUsage(0, 0).percent, 0);
    }
};

QTEST_MAIN(TestSystemModule)
#include "TestSystemModule.moc"
