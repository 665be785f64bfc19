#pragma once

#include "VaultRow.h"

#include <QString>

// The rows of the vault window while the user edits them, with the selected row and the edit
// panel's mode. Rows count from 0; -1 means no selection.
class VaultEditor {
public:
    enum EditMode : qint16 { None = 0, Adding = 1, Modifying = 2 };

    void setRows(const VaultRows& rows);
    const VaultRows& rows() const { return m_rows; }
    int count() const { return static_cast<int>(m_rows.size()); }

    int selected() const { return m_selected; }
    void select(int row);

    EditMode editMode() const { return m_mode; }
    bool isEditing() const { return m_mode != None; }

    void beginAdd();
    // Starts modifying the selected row. On an empty list *warning receives the French text to
    // show; with no row selected nothing happens. True when the edit panel opens.
    bool beginModify(QString* warning);
    // The row the edit panel starts with: the selected row when modifying, empty when adding.
    VaultRow editedRow() const;

    // Adds the panel's row at the end, or overwrites the selected row, and selects it. A field
    // holding ";" is refused with the French reason in *problem: the panel then stays open.
    bool confirm(const VaultRow& row, QString* problem);
    void cancelEdit() { m_mode = None; }

    void removeSelected();
    // Moves the selected row one place up (step -1) or down (+1), the selection with it.
    void moveSelected(int step);

    // The French reason a row cannot be stored, empty when it can.
    static QString rowProblem(const VaultRow& row);
    static QString emptyListWarning();
    static QString deleteQuestion();
    // The edit panel's label of each field.
    static QString fieldLabel(int field);
    // The list's column heading of each field.
    static QString columnHeading(int field);

private:
    VaultRows m_rows;
    int m_selected = -1;
    EditMode m_mode = None;
};
