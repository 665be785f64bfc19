// Runs 10,000 ticks of each monitor module against the real /proc and /sys and prints the CPU
// time one tick costs, beside the cost of only reading the files the modules read.
#include "monitors/SysGraphs.h"
#include "monitors/frmCPUUsage.h"
#include "monitors/frmLAN.h"
#include "platform/linux/LinuxPlatform.h"
#include "platform/linux/ProcFile.h"
#include "shell/Skin.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QThread>

#include <cstdio>
#include <ctime>
#include <functional>

#include <sys/statvfs.h>

namespace {

constexpr int kTicks = 10000;

double processCpuSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + now.tv_nsec / 1e9;
}

double measure(const char* name, const std::function<void()>& tick)
{
    const double start = processCpuSeconds();
    for (int i = 0; i < kTicks; ++i)
        tick();
    const double perTick = (processCpuSeconds() - start) / kTicks;
    std::printf("%-40s %8.1f us CPU per tick\n", name, perTick * 1e6);
    return perTick;
}

// The least a tick of both modules can cost: reading once each file they depend on, kept open
// from one tick to the next as the modules keep them, into a buffer kept too, and the free space
// of one disk.
void readFloorFiles(QByteArray& buffer)
{
    static const ProcFile files[] = { ProcFile(QStringLiteral("/proc/stat")),
        ProcFile(QStringLiteral("/proc/meminfo")), ProcFile(QStringLiteral("/proc/net/dev")),
        ProcFile(QStringLiteral("/proc/self/mounts")) };
    for (const ProcFile& file : files)
        file.read(buffer);
    struct statvfs disk { };
    statvfs("/", &disk);
}

QString text(QWidget* module, const char* name)
{
    auto* label = module->findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QString();
}

// Back-to-back ticks rarely change a graph, so the graph's two ways of drawing are timed apart:
// a new column scrolled in each tick, and the whole graph drawn again each tick.
void measureGraph(const SkinState& skin)
{
    QImage image(130, 36, QImage::Format_RGB32);
    std::vector<GraphColumn> columns(130);
    const ScrollingGraph::Look look = SysGraphs::CpuLook(skin, QFont());
    ScrollingGraph graph;
    int tick = 0;
    const auto step = [&] {
        columns.erase(columns.begin());
        columns.push_back({ 1 + tick++ % 30, 0xff5eead4 });
    };
    measure("processor graph, one column scrolled in", [&] {
        step();
        graph.draw(image, columns, look);
    });
    measure("processor graph, drawn whole", [&] {
        step();
        graph.forget();
        graph.draw(image, columns, look);
    });
}

// With "--shot <file.png> <skin folder>": both modules in that skin after a few real seconds.
void saveShot(AppContext& context, const QString& file, const QString& skinFolder)
{
    SkinState& skin = *context.skin;
    frmCPUUsage system(context);
    frmLAN lan(context);
    system.StartSampler();
    system.ListFixedDrives();
    lan.ReadLANCounters();
    lan.ShowIPAddress();
    Skin::ReadSkinIni(skinFolder, skin);
    SkinImages images(skinFolder);
    system.applySkin(images);
    lan.applySkin(images);
    for (int i = 0; i < 30; ++i) {
        QThread::msleep(1000);
        system.sampleTick(false);
        lan.sampleTick(false);
    }
    const int systemHeight = int(system.layoutHeight());
    system.resize(BarModule::kWidth, systemHeight);
    system.stretchBackground(systemHeight);
    QImage shot(BarModule::kWidth, systemHeight + 2 + lan.height(), QImage::Format_RGB32);
    shot.fill(skin.background());
    QPainter painter(&shot);
    system.render(&painter, QPoint(0, 0));
    lan.render(&painter, QPoint(0, systemHeight + 2));
    painter.end();
    shot.save(file);
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    LinuxPlatform platform { QString() };
    SkinState skin;
    Skin::ParseSkinColor(QStringLiteral("222|228|236"), skin.colorTextDark);
    Skin::ParseSkinColor(QStringLiteral("94|234|212"), skin.colorTextTitle);
    AppContext context { QString(), QString(), nullptr, &skin, platform.services() };

    frmCPUUsage system(context);
    system.StartSampler();
    system.ListFixedDrives();
    frmLAN lan(context);
    lan.ReadLANCounters();

    std::printf("%d ticks each, %d processors\n", kTicks, system.cpuCount());
    QByteArray buffer;
    const double floor = measure("floor: reading the files alone", [&] { readFloorFiles(buffer); });
    const double both = measure("both modules (shown)", [&] {
        system.sampleTick(false);
        lan.sampleTick(false);
    });
    std::printf("%-40s %8.2f\n", "both modules / floor", both / floor);
    measureGraph(skin);
    measure("system module (shown)", [&] { system.sampleTick(false); });
    measure("system module (bar hidden)", [&] { system.sampleTick(true); });
    measure("bandwidth module (shown)", [&] { lan.sampleTick(false); });
    measure("bandwidth module (bar hidden)", [&] { lan.sampleTick(true); });
    std::printf("last figures: CPU %s, RAM %s, swap %s, down %s, up %s\n",
        qPrintable(text(&system, "labCPUVal")), qPrintable(text(&system, "labRAMVal")),
        qPrintable(text(&system, "labVIRVal")), qPrintable(text(&lan, "labDownloadSec")),
        qPrintable(text(&lan, "labUploadSec")));
    const QStringList arguments = QApplication::arguments();
    const qsizetype shot = arguments.indexOf(QStringLiteral("--shot"));
    if (shot > 0 && shot + 2 < arguments.size())
        saveShot(context, arguments[shot + 1], QDir(arguments[shot + 2]).absolutePath() + '/');
    return 0;
}
