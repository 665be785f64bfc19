#include "frmCPUUsage.h"

#include "DrawingBox.h"
#include "platform/FixedDisks.h"
#include "platform/MemoryInfo.h"
#include "shell/Skin.h"

namespace {
constexpr int kLeft = 8;
constexpr int kInnerWidth = 130;
constexpr int kValueWidth = 50;
constexpr int kTextHeight = 14;
constexpr int kBarHeight = 6;
constexpr int kDisksTop = 128;
constexpr int kBottomMargin = 4;
} // namespace

frmCPUUsage::frmCPUUsage(AppContext& context, QWidget* parent)
    : BarModule(QStringLiteral("frmCPUUsage"), QStringLiteral("imgBgSystem"), 150, context, parent)
    , m_title(addPicture(QStringLiteral("pictSystemeSeparator"), { 0, 0, kWidth, 18 }))
    , m_panel(addPicture(QStringLiteral("pictInfoSys"), { 4, 20, 138, 126 }))
{
    buildGauges();
}

frmCPUUsage::~frmCPUUsage() = default;

void frmCPUUsage::buildGauges()
{
    addCaption(QStringLiteral("labCPU"), 22, QStringLiteral("Processeur"));
    m_labCPUVal = addValue(QStringLiteral("labCPUVal"), 22);
    m_pictCPU = new DrawingBox(QStringLiteral("pictCPU"), { kLeft, 38, kInnerWidth, 36 }, this);
    addCaption(QStringLiteral("labRAM"), 77, QStringLiteral("M\u00e9moire"));
    m_labRAMVal = addValue(QStringLiteral("labRAMVal"), 77);
    m_shapeWidth = addBar(QStringLiteral("shapeWidth"), 92, kInnerWidth);
    m_shapeRAMVal = addBar(QStringLiteral("shapeRAMVal"), 92, 0);
    addCaption(QStringLiteral("labVIR"), 101, QStringLiteral("Virtuelle"));
    m_labVIRVal = addValue(QStringLiteral("labVIRVal"), 101);
    m_shapeVIRFrame = addBar(QStringLiteral("shapeVIRFrame"), 116, kInnerWidth);
    m_shapeVIRVal = addBar(QStringLiteral("shapeVIRVal"), 116, 0);
    for (QFrame* frame : { m_shapeWidth, m_shapeVIRFrame }) {
        frame->setFrameShape(QFrame::Box);
        frame->setAutoFillBackground(false);
    }
    m_pictHD = new DrawingBox(QStringLiteral("pictHD"), { kLeft, kDisksTop, kInnerWidth, 0 }, this);
    for (QLabel* value : { m_labCPUVal, m_labRAMVal, m_labVIRVal })
        value->setText(QStringLiteral("0 %"));
}

QLabel* frmCPUUsage::addCaption(const QString& name, int y, const QString& text)
{
    QLabel* caption = addLabel(name, { kLeft, y, kInnerWidth - kValueWidth, kTextHeight }, text);
    m_darkLabels.append(caption);
    return caption;
}

QLabel* frmCPUUsage::addValue(const QString& name, int y)
{
    QLabel* value
        = addLabel(name, { kLeft + kInnerWidth - kValueWidth, y, kValueWidth, kTextHeight });
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_darkLabels.append(value);
    return value;
}

QFrame* frmCPUUsage::addBar(const QString& name, int y, int width)
{
    auto* bar = new QFrame(this);
    bar->setObjectName(name);
    bar->setGeometry(kLeft, y, width, kBarHeight);
    bar->setAutoFillBackground(true);
    return bar;
}

double frmCPUUsage::layoutHeight()
{
    const int disksBottom
        = m_pictHD->height() > 0 ? kDisksTop + m_pictHD->height() + kBottomMargin : 0;
    return std::max(designedHeight(), disksBottom);
}

void frmCPUUsage::applySkin(SkinImages& images)
{
    BarModule::applySkin(images);
    m_title->setSkinPicture(images.picture(QStringLiteral("title_infos_systeme.bmp")));
    m_panel->setSkinPicture(images.picture(QStringLiteral("background_infosysteme.bmp")));
    for (QLabel* label : m_darkLabels)
        setTextColour(label, skin().textDark());
    for (QFrame* frame : { m_shapeWidth, m_shapeVIRFrame })
        setTextColour(frame, skin().textDark());
    setBar(m_shapeRAMVal, m_shapeRAMVal->width(), m_ramAlarmShown ? 100 : 0);
    setBar(m_shapeVIRVal, m_shapeVIRVal->width(), m_virtualAlarmShown ? 100 : 0);
    m_diskRowsShown.clear();
    DrawDiskUsage();
}

void frmCPUUsage::StartSampler()
{
    m_sampler = std::make_unique<cCPULoad>(m_context.platform.processors);
    m_cpuCount = m_sampler->GetCPUCount();
}

void frmCPUUsage::ListFixedDrives()
{
    FixedDisks* disks = m_context.platform.disks;
    m_fixedDrives = disks ? disks->list() : QStringList();
    DrawDiskUsage();
}

// A failing sample shows as an idle machine; the next tick tries again.
int frmCPUUsage::sampleLoad()
{
    if (!m_sampler)
        StartSampler();
    try {
        m_sampler->CollectCPUData();
        return m_sampler->GetMachineUsage();
    } catch (const CPULoadError&) {
        return 0;
    }
}

void frmCPUUsage::GetMemoryInfo()
{
    MemoryInfo* memory = m_context.platform.memory;
    m_memory = modCPUMEM::ToKilobytes(memory ? memory->read() : MemoryStatus());
}

// The label's text is made only when its figure changed.
void frmCPUUsage::showPercent(QLabel* label, int& shown, int percent)
{
    if (percent == shown)
        return;
    label->setText(QString::number(percent) + QStringLiteral(" %"));
    shown = percent;
}

void frmCPUUsage::sampleTick(bool barHidden)
{
    const int load = sampleLoad();
    GetMemoryInfo();
    showPercent(m_labCPUVal, m_cpuLabelShown, load);
    showPercent(m_labRAMVal, m_ramLabelShown,
        modCPUMEM::FlooredPercent(m_memory.ramTotal, m_memory.ramFree));
    showPercent(m_labVIRVal, m_virtualLabelShown,
        modCPUMEM::FlooredPercent(m_memory.virtualTotal, m_memory.virtualFree));
    if (barHidden)
        return;
    DrawSysGauges(load);
    DrawDiskUsage();
}

void frmCPUUsage::setBar(QFrame* bar, int width, int percent)
{
    setBackgroundColour(bar, percent > 90 ? skin().textError() : skin().textDark());
    bar->resize(width, kBarHeight);
}

// The bars change only when their figure changes; the colour follows the alarm threshold even
// when the share crosses 90 % within one 5 % step.
void frmCPUUsage::DrawSysGauges(int load)
{
    m_history.push(load);
    const int ramPercent = modCPUMEM::FlooredPercent(m_memory.ramTotal, m_memory.ramFree);
    const int ramStep = modCPUMEM::RamStep(ramPercent);
    if (ramStep != m_ramStepShown || (ramPercent > 90) != m_ramAlarmShown) {
        setBar(m_shapeRAMVal, std::max(0, m_shapeWidth->width() * ramStep / 20), ramPercent);
        m_ramStepShown = ramStep;
        m_ramAlarmShown = ramPercent > 90;
    }
    const int virtualPercent
        = modCPUMEM::RoundedPercent(m_memory.virtualTotal, m_memory.virtualFree);
    if (virtualPercent != m_virtualPercentShown) {
        setBar(m_shapeVIRVal, std::max(0, m_shapeWidth->width() * virtualPercent / 100),
            virtualPercent);
        m_virtualPercentShown = virtualPercent;
        m_virtualAlarmShown = virtualPercent > 90;
    }
    QImage& canvas = m_pictCPU->canvas();
    SysGraphs::CpuColumns(m_cpuColumns, m_history, skin(), canvas.deviceIndependentSize().toSize());
    m_cpuGraph.draw(canvas, m_cpuColumns, SysGraphs::CpuLook(skin(), m_pictCPU->font()));
    if (!m_cpuGraph.changed().isEmpty())
        m_pictCPU->update(m_cpuGraph.changed());
}

void frmCPUUsage::DrawDiskUsage()
{
    if (!m_fixedDrives)
        return;
    FixedDisks* disks = m_context.platform.disks;
    m_diskRows.resize(size_t(m_fixedDrives->size()));
    for (qsizetype i = 0; i < m_fixedDrives->size(); ++i) {
        const QString& root = m_fixedDrives->at(i);
        const DiskSpace space = disks ? disks->space(root) : DiskSpace();
        m_diskRows[size_t(i)] = { root, space.total, space.free };
    }
    const int height = SysGraphs::DiskRowHeight(font()) * int(m_diskRows.size());
    if (m_pictHD->height() != height) {
        m_pictHD->resize(kInnerWidth, height);
        m_diskRowsShown.clear();
    }
    if (height == 0
        || (!m_diskRowsShown.empty() && SysGraphs::SameDrawing(m_diskRows, m_diskRowsShown)))
        return;
    SysGraphs::DrawDiskRows(m_pictHD->canvas(), m_diskRows, skin(), font());
    m_diskRowsShown = m_diskRows;
    m_pictHD->update();
}
