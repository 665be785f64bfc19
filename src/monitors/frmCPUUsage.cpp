#include "frmCPUUsage.h"

#include "shell/ModuleLayout.h"
#include "shell/Skin.h"

frmCPUUsage::frmCPUUsage(AppContext& context, QWidget* parent)
    : BarModule(QStringLiteral("frmCPUUsage"), QStringLiteral("imgBgSystem"), 150, context, parent)
    , m_title(addPicture(QStringLiteral("pictSystemeSeparator"), { 0, 0, kWidth, 18 }))
    , m_panel(addPicture(QStringLiteral("pictInfoSys"), { 4, 20, 138, 126 }))
{
}

QString frmCPUUsage::moduleId() const
{
    return ModuleLayout::kInfosSysteme;
}

void frmCPUUsage::applySkin(SkinImages& images)
{
    BarModule::applySkin(images);
    m_title->setSkinPicture(images.picture(QStringLiteral("title_infos_systeme.bmp")));
    m_panel->setSkinPicture(images.picture(QStringLiteral("background_infosysteme.bmp")));
}

void frmCPUUsage::sampleTick(bool) { }
