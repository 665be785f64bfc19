#include "frmLAN.h"

#include "shell/ModuleLayout.h"
#include "shell/Skin.h"

frmLAN::frmLAN(AppContext& context, QWidget* parent)
    : BarModule(QStringLiteral("frmLAN"), QStringLiteral("imgBgLAN"), 140, context, parent)
    , m_title(addPicture(QStringLiteral("pictLANSeparator"), { 0, 0, kWidth, 18 }))
{
}

QString frmLAN::moduleId() const
{
    return ModuleLayout::kBandePassante;
}

void frmLAN::applySkin(SkinImages& images)
{
    BarModule::applySkin(images);
    m_title->setSkinPicture(images.picture(QStringLiteral("title_reseau.bmp")));
}

void frmLAN::ReadLANCounters() { }

void frmLAN::sampleTick(bool) { }

void frmLAN::ShowIPAddress() { }
