#include "ProcFixture.h"
#include "TestApp.h"
#include "monitors/DrawingBox.h"
#include "monitors/SysGraphs.h"
#include "monitors/frmCPUUsage.h"

#include <QLabel>

namespace {

const QColor kDark = SkinState::toColor(0x202020);
const QColor kLight = SkinState::toColor(0x404040);
const QColor kTitle = SkinState::toColor(0x606060);
const QColor kError = SkinState::toColor(0x0000F0);
const QColor kBackground = SkinState::toColor(0x101010);

// The module on prepared /proc files: one processor, half of 1 GB of memory used, no swap.
struct SystemBench {
    TestApp app { false };
    ProcFixture proc;
    std::unique_ptr<frmCPUUsage> module;
    qint64 idle = 1000;

    explicit SystemBench(const QList<qint64>& idleTicks = { 1000 })
    {
        app.skin.colorTextDark = 0x202020;
        app.skin.colorTextLight = 0x404040;
        app.skin.colorTextTitle = 0x606060;
        app.skin.colorTextError = 0x0000F0;
        app.skin.colorBackGround = 0x101010;
        app.context.platform.processors = &proc.processors;
        app.context.platform.memory = &proc.memory;
        proc.writeStat(idleTicks);
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
    template <typename T> T* child(const char* name) const
    {
        return module->findChild<T*>(QLatin1String(name));
    }
    QString text(const char* name) const { return child<QLabel>(name)->text(); }
    QImage image(const char* name) const { return child<DrawingBox>(name)->image(); }
};

int countInColumn(const QImage& image, int x, const QColor& colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        count += image.pixelColor(x, y) == colour;
    return count;
}

} // namespace

class TestSystemModule : public QObject {
    Q_OBJECT

private slots:
    void memory_and_swap_gauges_data()
    {
        QTest::addColumn<QList<qint64>>("meminfoKb"); // total, available, swap total, swap free
        QTest::addColumn<QString>("ramLabel");
        QTest::addColumn<int>("ramBar"); // out of 130
        QTest::addColumn<QColor>("ramColour");
        QTest::addColumn<QString>("swapLabel");
        QTest::addColumn<int>("swapBar");
        QTest::newRow("84 % at step 16 of 20; swap 87.5 %: label floored, bar rounded")
            << QList<qint64> { 1'000'000, 160'000, 1000, 125 } << "84 %" << 104 << kDark << "87 %"
            << 114;
        QTest::newRow("84.4 % is floored; no swap shows 0 % and an empty bar")
            << QList<qint64> { 1'000'000, 155'555, 0, 0 } << "84 %" << 104 << kDark << "0 %" << 0;
        QTest::newRow("exactly 90 % stays dark; unused swap") << QList<qint64> { 1'000'000, 100'000,
            2000, 2000 } << "90 %" << 117 << kDark << "0 %" << 0;
        QTest::newRow("93 % in the error colour")
            << QList<qint64> { 1'000'000, 70'000, 0, 0 } << "93 %" << 117 << kError << "0 %" << 0;
        QTest::newRow("full") << QList<qint64> { 1'000'000, 0, 0, 0 } << "100 %" << 130 << kError
                              << "0 %" << 0;
        QTest::newRow("zero total shows 0 % instead of failing")
            << QList<qint64> { 0, 0, 0, 0 } << "0 %" << 0 << QColor() << "0 %" << 0;
    }
    void memory_and_swap_gauges()
    {
        QFETCH(QList<qint64>, meminfoKb);
        SystemBench bench;
        bench.proc.writeMeminfo(meminfoKb[0], meminfoKb[1], meminfoKb[2], meminfoKb[3]);
        bench.tick(10);
        QTEST(bench.text("labRAMVal"), "ramLabel");
        QTEST(bench.child<QFrame>("shapeRAMVal")->width(), "ramBar");
        if (bench.child<QFrame>("shapeRAMVal")->width() > 0)
            QTEST(
                bench.child<QFrame>("shapeRAMVal")->palette().color(QPalette::Window), "ramColour");
        QTEST(bench.text("labVIRVal"), "swapLabel");
        QTEST(bench.child<QFrame>("shapeVIRVal")->width(), "swapBar");
    }

    void alarm_colour_follows_the_share_within_one_step()
    {
        SystemBench bench;
        bench.proc.writeMeminfo(1'000'000, 100'000, 0, 0); // 90 %
        bench.tick(10);
        bench.proc.writeMeminfo(1'000'000, 80'000, 0, 0); // 92 %, same 5 % step
        bench.tick(10);
        QCOMPARE(bench.child<QFrame>("shapeRAMVal")->palette().color(QPalette::Window), kError);
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
        SystemBench bench({ 0, 0, 0, 0 });
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
        QFile::remove(bench.proc.path(QStringLiteral("proc/stat")));
        bench.module->sampleTick(false);
        QCOMPARE(bench.text("labCPUVal"), QStringLiteral("0 %"));
        bench.tick(20);
        QCOMPARE(bench.text("labCPUVal"), QStringLiteral("20 %"));
    }

    void run_at_full_load_is_drawn_in_error_colour_but_its_two_oldest()
    {
        SystemBench bench;
        for (int i = 0; i < 10; ++i)
            bench.tick(i < 4 ? 0 : 100);
        const QImage graph = bench.image("pictCPU");
        const int w = graph.width();
        const int bottom = graph.height() - 1;
        // Index 0 (the newest) is not drawn; indexes 1-5 hold the older five of the run.
        for (int i = 1; i <= 3; ++i)
            QCOMPARE(graph.pixelColor(w - i, bottom), kError);
        for (int i = 4; i <= 5; ++i)
            QCOMPARE(graph.pixelColor(w - i, bottom), kTitle);
        QCOMPARE(graph.pixelColor(w - 6, bottom), kBackground); // an idle second
        QCOMPARE(countInColumn(graph, w - 1, kError), graph.height());
    }

    void graph_bar_height_follows_the_load()
    {
        SystemBench bench;
        for (int load : { 0, 50, 0 })
            bench.tick(load);
        const QImage graph = bench.image("pictCPU");
        QCOMPARE(countInColumn(graph, graph.width() - 1, kTitle), graph.height() / 2);
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
        QCOMPARE(bench.child<QFrame>("shapeRAMVal")->width(), 65); // still the 50 % of before
    }

    void disks_at_95_and_90_percent()
    {
        SystemBench bench;
        const QString data = QStringLiteral("/home/utilisateur/donn\u00e9es");
        bench.app.fakes.disks.roots = { QStringLiteral("/"), data };
        bench.app.fakes.disks.spaces
            = { { QStringLiteral("/"), { 1000, 50 } }, { data, { 1000, 100 } } };
        bench.module->ListFixedDrives();
        const int row = SysGraphs::DiskRowHeight(bench.module->font());
        const QImage disks = bench.image("pictHD");
        QCOMPARE(disks.height(), 2 * row);
        QVERIFY(bench.module->layoutHeight() >= 128 + 2 * row);
        // 95 %: 66.5 units round to 66, filled 4 units short of it, in the error colour;
        // 90 %: 63 units in the normal fill colour.
        int error = 0, normal = 0;
        for (int x = 0; x < disks.width(); ++x) {
            error += disks.pixelColor(x, row / 2 - 1) == kError;
            normal += disks.pixelColor(x, row + row / 2 - 1) == kLight;
        }
        QCOMPARE(error, 66 - 4);
        QCOMPARE(normal, 63 - 4);
        QCOMPARE(modCPUMEM::DiskUsage(0, 0).percent, 0);
    }
};

QTEST_MAIN(TestSystemModule)
#include "TestSystemModule.moc"
