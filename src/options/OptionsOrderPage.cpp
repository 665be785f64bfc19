#include "OptionsForm.h"
#include "OptionsPages.h"

#include "OptionsControls.h"
#include "common/ListView.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>

using namespace OptionsControls;

OptionsOrderPage::OptionsOrderPage(OptionsForm& form, QWidget* parent)
    : QGroupBox(QStringLiteral("Ordre d'affichage des modules"), parent)
    , m_form(form)
{
    setObjectName(QStringLiteral("frmOrdreModules"));
    auto* page = new QVBoxLayout(this);
    m_list = reportList(
        this, "lvSortModules", { QStringLiteral("Nom"), QStringLiteral("Description") });
    page->addWidget(m_list, 1);
    auto* buttons = new QHBoxLayout;
    QPushButton* up = button(this, "cmdOrderModUp", QStringLiteral("D\u00e9placer en Haut"));
    QPushButton* down = button(this, "cmdOrderModDown", QStringLiteral("D\u00e9placer en Bas"));
    connect(up, &QPushButton::clicked, this, [this] { move(true); });
    connect(down, &QPushButton::clicked, this, [this] { move(false); });
    buttons->addWidget(up);
    buttons->addWidget(down);
    buttons->addStretch();
    page->addLayout(buttons);
    fill(-1);
}

void OptionsOrderPage::fill(int selected)
{
    m_list->clear();
    for (const QString& name : m_form.moduleOrder().names())
        new QTreeWidgetItem(m_list, { name, ModuleOrder::description(name) });
    ListView::LVAutoSizeColumns(m_list);
    if (selected >= 0)
        ListView::LVSelectItem(m_list, selected + 1, true);
}

void OptionsOrderPage::move(bool up)
{
    const int row = ListView::LVGetSelectedIndex(m_list) - 1;
    if (row < 0)
        return;
    ModuleOrder& order = m_form.moduleOrder();
    fill(order.move(row, up ? -1 : 1));
    m_list->setFocus();
}
