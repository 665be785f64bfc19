#include "ModuleTable.h"

#include "favorites/frmFavoris.h"
#include "mail/frmemail.h"
#include "monitors/frmCPUUsage.h"
#include "monitors/frmLAN.h"
#include "notes/frmPB.h"
#include "shell/ModuleLayout.h"
#include "shell/SettingsKeys.h"
#include "shell/frmHorloge.h"
#include "shell/frmPhoto.h"
#include "weather/frmMeteo.h"

namespace {

template <typename Module> BarModule* make(AppContext& context, QWidget* parent)
{
    return new Module(context, parent);
}

} // namespace

const QList<ModuleEntry>& ModuleTable()
{
    static const QList<ModuleEntry> table = {
        { ModuleLayout::kPhoto, make<frmPhoto>, &Keys::DisplayPhoto, nullptr },
        { ModuleLayout::kHorloge, make<frmHorloge>, &Keys::DisplayClock, &Keys::DisplayClockSmall },
        { ModuleLayout::kEmails, make<frmemail>, &Keys::DisplayEmails, nullptr },
        { ModuleLayout::kFavoris, make<frmFavoris>, &Keys::DisplayFavoris, nullptr },
        { ModuleLayout::kMeteo, make<frmMeteo>, &Keys::DisplayMeteo, &Keys::DisplayMeteoSmall },
        { ModuleLayout::kInfosSysteme, make<frmCPUUsage>, &Keys::DisplaySysInfo, nullptr },
        { ModuleLayout::kBandePassante, make<frmLAN>, &Keys::DisplayLAN, nullptr },
        { ModuleLayout::kPenseBete, make<frmPB>, &Keys::DisplayPenseBete, nullptr },
    };
    return table;
}

const ModuleEntry* FindModuleEntry(const QString& id)
{
    for (const ModuleEntry& entry : ModuleTable()) {
        if (entry.id == id)
            return &entry;
    }
    return nullptr;
}
