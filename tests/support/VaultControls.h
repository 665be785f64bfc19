#pragma once

#include "Controls.h"

#include <QStringList>
#include <QTreeWidget>

// The vault window as a user reads and fills it: its rows as "a|b|c|d|e" texts, and a row added
// through the edit boxes and their "OK".
namespace VaultControls {

inline QStringList shownRows(const QWidget* vault)
{
    auto* list = control<QTreeWidget>(vault, "lvPasswords");
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QStringList cells;
        for (int column = 0; column < 5; ++column)
            cells.append(list->topLevelItem(i)->text(column));
        rows.append(cells.join(QLatin1Char('|')));
    }
    return rows;
}

inline void addRow(const QWidget* vault, const QStringList& fields)
{
    static const char* const kBoxes[]
        = { "txtDescriptif", "txtData1", "txtData2", "txtData3", "txtData4" };
    click(vault, "cmdAdd");
    for (int n = 0; n < fields.size(); ++n)
        type(vault, kBoxes[n], fields[n]);
    click(vault, "cmdConfirmAddMod");
}

} // namespace VaultControls
