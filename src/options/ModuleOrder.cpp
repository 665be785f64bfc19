#include "ModuleOrder.h"

#include "common/RowMoves.h"
#include "shell/ModuleLayout.h"

#include <utility>

namespace {

const std::pair<QString, QString> kDescriptions[] = {
    { ModuleLayout::kPhoto, QStringLiteral("Photo personnalis\u00e9e") },
    { ModuleLayout::kHorloge, QStringLiteral("Horloge et Date") },
    { ModuleLayout::kFavoris, QStringLiteral("Favoris Windows et Internet (raccourcis)") },
    { ModuleLayout::kMeteo, QStringLiteral("Temp\u00e9rature, taux d'humidit\u00e9, vent, ...") },
    { ModuleLayout::kInfosSysteme,
        QStringLiteral("M\u00e9moire (RAM, virtuelle), taux d'occupation processeur") },
    { ModuleLayout::kBandePassante,
        QStringLiteral("Octets envoy\u00e9s/re\u00e7us par seconde sur le r\u00e9seau "
                       "(local/internet)") },
    { ModuleLayout::kEmails,
        QStringLiteral("Teste l'arriv\u00e9e de nouveaux e-mails (les e-mails ne sont pas lus).") },
    { ModuleLayout::kPenseBete,
        QStringLiteral("Offre la possibilit\u00e9 de g\u00e9rer des pense-b\u00eates") },
};

} // namespace

QString ModuleOrder::description(const QString& name)
{
    for (const auto& [module, text] : kDescriptions) {
        if (module == name)
            return text;
    }
    return QString();
}

void ModuleOrder::load(const QString& stored)
{
    QString order = stored;
    if (!order.contains(ModuleLayout::kEmails))
        order += u';' + ModuleLayout::kEmails;
    if (!order.contains(ModuleLayout::kPenseBete))
        order += u';' + ModuleLayout::kPenseBete;
    m_names.clear();
    for (const QString& name : order.split(u';')) {
        if (!description(name).isEmpty())
            m_names.append(name);
    }
}

QString ModuleOrder::toSetting() const
{
    QString order;
    for (const QString& name : m_names)
        order += name + u';';
    return order;
}

int ModuleOrder::move(int row, int step)
{
    return moveRowOnePlace(m_names, row, step);
}
