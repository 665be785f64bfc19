#pragma once

#include "shell/BarModule.h"

// The bandwidth module: receive and send rates with their one-minute graphs and the address.
class frmLAN : public BarModule {
    Q_OBJECT
public:
    explicit frmLAN(AppContext& context, QWidget* parent = nullptr);
    QString moduleId() const override;
    void applySkin(SkinImages& images) override;

    // Reads the interface counters once (start-up) so the first rate has a base.
    void ReadLANCounters();
    // One tick of the bandwidth timer while online.
    void sampleTick(bool barHidden);
    // Shows the machine's address.
    void ShowIPAddress();

private:
    PictureBox* m_title;
};
