#include "DataRow.h"
#include "ProcFixture.h"
#include "TestApp.h"
#include "monitors/DrawingBox.h"
#include "monitors/SysGraphs.h"
#include "monitors/frmCPUUsage.h"

#include <QLabel>

namespace {

// Skin colours, as stored in skin.ini (red in the low byte).
constexpr quint32 kDark = 0x202020, kLight = 0x404040, kTitle = 0x606060, kError = 0x0000F0,
                  kBackground = 0x101010;

// The module on prepared /proc files: one processor, 90 % of 1 GB of memory used, no swap.
struct SystemBench {
    TestApp app { false };
    ProcFixture proc;
    std::unique_ptr<frmCPUUsage> module;
    qint64 idle = 1000;

    explicit SystemBench(const QList<qint64>& idleTicks = { 1000 })
    {
        SkinState& skin = app.skin;
        std::tie(skin.colorTextDark, skin.colorTextLight, skin.colorTextTitle, skin.colorTextError,
            skin.colorBackGround)
            = std::tuple(kDark, kLight, kTitle, kError, kBackground);
        app.context.platform.processors = &proc.processors;
        app.context.platform.memory = &proc.memory;
        proc.writeStat(idleTicks);
        proc.writeMeminfo(1'000'000, 100'000, 0, 0);
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

// How many pixels of the area have the skin colour.
int countColour(const QImage& image, const QRect& area, quint32 colour)
{
    int count = 0;
    for (int x = area.left(); x <= area.right(); ++x)
        for (int y = area.top(); y <= area.bottom(); ++y)
            count += image.pixelColor(x, y) == SkinState::toColor(colour);
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
        QTest::addColumn<quint32>("ramColour");
        QTest::addColumn<QString>("swapLabel");
        QTest::addColumn<int>("swapBar");
        using Kb = QList<qint64>;
        dataRow("84 % at step 16 of 20; swap 87.5 %: label floored, bar rounded",
            Kb { 1'000'000, 160'000, 1000, 125 }, "84 %", 104, kDark, "87 %", 114);
        dataRow("84.4 % is floored; no swap shows 0 % and an empty bar",
            Kb { 1'000'000, 155'555, 0, 0 }, "84 %", 104, kDark, "0 %", 0);
        dataRow("exactly 90 % stays dark; unused swap", Kb { 1'000'000, 100'000, 2000, 2000 },
            "90 %", 117, kDark, "0 %", 0);
        dataRow("92 % after 90 %: error colour within the same step",
            Kb { 1'000'000, 80'000, 0, 0 }, "92 %", 117, kError, "0 %", 0);
        dataRow("zero total shows 0 % instead of failing", Kb { 0, 0, 0, 0 }, "0 %", 0, kDark,
            "0 %", 0);
    }
    void memory_and_swap_gauges()
    {
        QFETCH(QList<qint64>, meminfoKb);
        QFETCH(quint32, ramColour);
        SystemBench bench;
        bench.tick(10); // 90 % first
        bench.proc.writeMeminfo(meminfoKb[0], meminfoKb[1], meminfoKb[2], meminfoKb[3]);
        bench.tick(10);
        QTEST(bench.text("labRAMVal"), "ramLabel");
        QTEST(bench.bar("shapeRAMVal")->width(), "ramBar");
        QCOMPARE(bench.bar("shapeRAMVal")->palette().color(QPalette::Window),
            SkinState::toColor(ramColour));
        QTEST(bench.text("labVIRVal"), "swapLabel");
        QTEST(bench.bar("shapeVIRVal")->width(), "swapBar");
    }

    void cpu_label_shows_the_mean_from_the_second_tick_and_survives_unreadable_counters()
    {
        SystemBench bench({ 0, 0, 0, 0 });
        const auto tick = [&](const QList<qint64>& idleTicks) {
            bench.proc.writeStat(idleTicks);
            bench.proc.advanceSeconds(1);
            bench.module->sampleTick(false);
            return bench.text("labCPUVal");
        };
        QCOMPARE(tick({ 50, 50, 50, 50 }), QStringLiteral("0 %"));
        QCOMPARE(tick({ 150, 150, 100, 50 }), QStringLiteral("38 %")); // 0, 0, 50 and 100 % busy
        QFile::remove(bench.proc.path(QStringLiteral("proc/stat")));
        bench.module->sampleTick(false);
        QCOMPARE(bench.text("labCPUVal"), QStringLiteral("0 %"));
        QCOMPARE(tick({ 250, 230, 120, 50 }), QStringLiteral("50 %"));
    }

    void history_keeps_200_and_full_runs_are_drawn_in_error_colour_but_their_two_oldest()
    {
        SystemBench bench;
        for (int i = 0; i < 195; ++i)
            bench.tick(0);
        for (int load : { 0, 0, 0, 50, 100, 100, 100, 100, 100, 100 })
            bench.tick(load);
        QCOMPARE(bench.module->history().count(), 200);
        QCOMPARE(bench.module->history().highestIndex(), 200);
        const QImage graph = bench.image("pictCPU");
        // Index 0 (the newest) is not drawn; indexes 1-5 hold the older five of the run.
        const auto column = [&](int i) { return QRect(graph.width() - i, 0, 1, graph.height()); };
        for (int i = 1; i <= 5; ++i)
            QCOMPARE(countColour(graph, column(i), i <= 3 ? kError : kTitle), graph.height());
        QCOMPARE(countColour(graph, column(6), kTitle), graph.height() / 2);
        QCOMPARE(countColour(graph, column(7), kBackground), graph.height());
    }

    // A quiet second changes no pixel, so the graph's image is not even written to; while the
    // bar is hidden the labels follow, the history and the gauges do not.
    void graph_is_drawn_only_when_it_changes_and_is_seen()
    {
        SystemBench bench;
        for (int i = 0; i < 3; ++i)
            bench.tick(0);
        const qint64 quiet = bench.image("pictCPU").cacheKey();
        bench.tick(0);
        QCOMPARE(bench.image("pictCPU").cacheKey(), quiet);
        bench.tick(50);
        bench.tick(50);
        const QImage busy = bench.image("pictCPU");
        QVERIFY(busy.cacheKey() != quiet);
        QCOMPARE(countColour(busy, { busy.width() - 1, 0, 1, busy.height() }, kTitle), 18);

        const int count = bench.module->history().count();
        bench.proc.writeMeminfo(1'000'000, 160'000, 0, 0);
        bench.tick(60, true);
        QCOMPARE(bench.text("labRAMVal"), QStringLiteral("84 %"));
        QCOMPARE(bench.module->history().count(), count);
        QCOMPARE(bench.bar("shapeRAMVal")->width(), 117); // still the 90 % of before
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
        QCOMPARE(countColour(disks, { 0, row / 2 - 1, disks.width(), 1 }, kError), 66 - 4);
        QCOMPARE(countColour(disks, { 0, row + row / 2 - 1, disks.width(), 1 }, kLight), 63 - 4);
        QCOMPARE(modCPUMEM::DiskUsage(0, 0).percent, 0);
    }
};

QTEST_MAIN(TestSystemModule)
#include "TestSystemModule.moc"
