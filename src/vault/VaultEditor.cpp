#include "VaultEditor.h"

#include "common/RowMoves.h"

#include <QRegularExpression>

void VaultEditor::setRows(const VaultRows& rows)
{
    m_rows = rows;
    m_selected = -1;
    m_mode = None;
}

void VaultEditor::select(int row)
{
    m_selected = row >= 0 && row < count() ? row : -1;
}

void VaultEditor::beginAdd()
{
    m_mode = Adding;
}

bool VaultEditor::beginModify(QString* warning)
{
    if (m_rows.isEmpty()) {
        if (warning)
            *warning = emptyListWarning();
        m_mode = None;
        return false;
    }
    if (m_selected < 0)
        return false;
    m_mode = Modifying;
    return true;
}

VaultRow VaultEditor::editedRow() const
{
    return m_mode == Modifying && m_selected >= 0 ? m_rows.at(m_selected) : VaultRow();
}

bool VaultEditor::confirm(const VaultRow& row, QString* problem)
{
    const QString reason = rowProblem(row);
    if (problem)
        *problem = reason;
    if (!reason.isEmpty())
        return false;
    if (m_mode == Adding) {
        m_rows.append(row);
        m_selected = count() - 1;
    } else if (m_mode == Modifying && m_selected >= 0) {
        m_rows[m_selected] = row;
    }
    m_mode = None;
    return true;
}

void VaultEditor::removeSelected()
{
    if (m_selected < 0)
        return;
    m_rows.removeAt(m_selected);
    m_selected = -1;
}

void VaultEditor::moveSelected(int step)
{
    m_selected = moveRowOnePlace(m_rows, m_selected, step);
}

QString VaultEditor::rowProblem(const VaultRow& row)
{
    // The file separates fields with ";" and rows with line breaks.
    static const QRegularExpression lineBreak(QStringLiteral("[\r\n]"));
    const QString refusal = QStringLiteral("Le champ \u00AB %1 \u00BB ne peut pas contenir %2.");
    for (int field = 0; field < VaultRow::kFieldCount; ++field) {
        if (row.fields[field].contains(QLatin1Char(';')))
            return refusal.arg(
                fieldLabel(field), QStringLiteral("le caract\u00E8re \u00AB ; \u00BB"));
        if (row.fields[field].contains(lineBreak))
            return refusal.arg(fieldLabel(field), QStringLiteral("de retour \u00E0 la ligne"));
    }
    return QString();
}

QString VaultEditor::emptyListWarning()
{
    return QStringLiteral("Il n'y a pas de donn\u00E9es personnelles \u00E0 modifier (table vide)");
}

QString VaultEditor::deleteQuestion()
{
    return QStringLiteral("\u00CAtes-vous s\u00FBr de vouloir supprimer cette ligne ?");
}

QString VaultEditor::fieldLabel(int field)
{
    return field == 0 ? QStringLiteral("Description")
                      : QStringLiteral("Donn\u00E9e personnelle #%1").arg(field);
}

QString VaultEditor::columnHeading(int field)
{
    return field == 0 ? QStringLiteral("Description")
                      : QStringLiteral("Donn\u00E9e #%1").arg(field);
}
