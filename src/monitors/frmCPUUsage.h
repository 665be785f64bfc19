#pragma once

#include "SysGraphs.h"
#include "cCPULoad.h"
#include "modCPUMEM.h"
#include "shell/BarModule.h"

#include <memory>
#include <optional>

class DrawingBox;

// The system module: processor load with its history, memory gauges and fixed disks.
class frmCPUUsage : public BarModule {
    Q_OBJECT
public:
    explicit frmCPUUsage(AppContext& context, QWidget* parent = nullptr);
    ~frmCPUUsage() override;
    double layoutHeight() override;
    void applySkin(SkinImages& images) override;

    // Start-up: creates the load sampler and asks it for the processor count.
    void StartSampler();
    int cpuCount() const { return m_cpuCount; }
    // Start-up: the fixed disks, one row each below the gauges.
    void ListFixedDrives();

    // One tick of the system timer; graphs are left alone while the bar is hidden.
    void sampleTick(bool barHidden);

    const modCPUMEM::CpuHistory& history() const { return m_history; }

private:
    void buildGauges();
    QLabel* addCaption(const QString& name, int y, const QString& text);
    QLabel* addValue(const QString& name, int y);
    QFrame* addBar(const QString& name, int y, int width);
    int sampleLoad();
    void GetMemoryInfo();
    static void showPercent(QLabel* label, int& shown, int percent);
    void DrawSysGauges(int load);
    void setBar(QFrame* bar, int width, int percent);
    void DrawDiskUsage();

    PictureBox* m_title;
    PictureBox* m_panel;
    QLabel* m_labCPUVal = nullptr;
    QLabel* m_labRAMVal = nullptr;
    QLabel* m_labVIRVal = nullptr;
    QFrame* m_shapeWidth = nullptr;
    QFrame* m_shapeRAMVal = nullptr;
    QFrame* m_shapeVIRVal = nullptr;
    QFrame* m_shapeVIRFrame = nullptr;
    DrawingBox* m_pictCPU = nullptr;
    DrawingBox* m_pictHD = nullptr;
    QList<QLabel*> m_darkLabels;

    std::unique_ptr<cCPULoad> m_sampler;
    int m_cpuCount = 0;
    modCPUMEM::MemoryFigures m_memory;
    modCPUMEM::CpuHistory m_history;
    ScrollingGraph m_cpuGraph;
    std::vector<GraphColumn> m_cpuColumns;
    std::vector<SysGraphs::DiskRow> m_diskRows;
    std::vector<SysGraphs::DiskRow> m_diskRowsShown;
    // The figures the labels show (they start at "0 %").
    int m_cpuLabelShown = 0;
    int m_ramLabelShown = 0;
    int m_virtualLabelShown = 0;
    int m_ramStepShown = 0;
    int m_virtualPercentShown = 0;
    bool m_ramAlarmShown = false;
    bool m_virtualAlarmShown = false;
    std::optional<QStringList> m_fixedDrives;
};
