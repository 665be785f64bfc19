#pragma once

#include <QString>

class QTreeWidget;

// Helpers for the report-style lists. Rows count from 1; a null list or a row outside the list
// makes every helper do nothing.
namespace ListView {

int LVGetSelectedIndex(const QTreeWidget* list);
void LVSelectItem(QTreeWidget* list, int row, bool ensureVisible);
QString LVGetItemText(const QTreeWidget* list, int row);
bool LVRemoveItem(QTreeWidget* list, int row);

void LVAutoSizeColumns(QTreeWidget* list);

} // namespace ListView
