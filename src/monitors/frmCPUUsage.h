#pragma once

#include "shell/BarModule.h"

// The system module: processor load with its history, memory gauges and fixed disks.
class frmCPUUsage : public BarModule {
    Q_OBJECT
public:
    explicit frmCPUUsage(AppContext& context, QWidget* parent = nullptr);
    QString moduleId() const override;
    void applySkin(SkinImages& images) override;

    // One tick of the system timer; graphs are left alone while the bar is hidden.
    void sampleTick(bool barHidden);

private:
    PictureBox* m_title;
    PictureBox* m_panel;
};
