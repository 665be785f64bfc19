#include "ListView.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace ListView {

static bool isRow(const QTreeWidget* list, int row)
{
    return list && row >= 1 && row <= list->topLevelItemCount();
}

int LVGetSelectedIndex(const QTreeWidget* list)
{
    if (!list || list->topLevelItemCount() == 0)
        return -1;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->isSelected())
            return i + 1;
    }
    return -1;
}

void LVSelectItem(QTreeWidget* list, int row, bool ensureVisible)
{
    if (!isRow(list, row))
        return;
    QTreeWidgetItem* item = list->topLevelItem(row - 1);
    list->clearSelection();
    list->setCurrentItem(item);
    item->setSelected(true);
    if (ensureVisible)
        list->scrollToItem(item);
}

QString LVGetItemText(const QTreeWidget* list, int row)
{
    return isRow(list, row) ? list->topLevelItem(row - 1)->text(0) : QString();
}

bool LVRemoveItem(QTreeWidget* list, int row)
{
    if (!isRow(list, row))
        return false;
    delete list->takeTopLevelItem(row - 1);
    return true;
}

void LVAutoSizeColumns(QTreeWidget* list)
{
    if (!list)
        return;
    for (int column = 0; column < list->columnCount(); ++column) {
        list->resizeColumnToContents(column);
        const int headerWidth = list->header()->sectionSizeHint(column);
        if (list->columnWidth(column) < headerWidth)
            list->setColumnWidth(column, headerWidth);
    }
}

} // namespace ListView
