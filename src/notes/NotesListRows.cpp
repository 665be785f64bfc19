#include "NotesListRows.h"

#include "NoteLine.h"
#include "ReminderCheck.h"
#include "modPenseBete.h"

namespace NotesListRows {

QString ShownText(bool shown)
{
    return shown ? QStringLiteral("Oui") : QStringLiteral("Non");
}

QString FirstLineCut(const QString& noteText)
{
    const QString first = noteText.section(u'\n', 0, 0);
    return first.size() >= 13 ? first.left(12) + QStringLiteral(" ...") : first;
}

QString DueText(const QString& dateField, const QString& timeField)
{
    return dateField.right(2) + u'-' + dateField.mid(4, 2) + u'-' + dateField.left(4)
        + QStringLiteral(" \u00e0 ") + timeField.left(2) + u':' + timeField.right(2);
}

QString TypeText(int kind)
{
    const QStringList& texts = ReminderCheck::KindTexts();
    return kind >= 0 && kind < texts.size() ? texts.at(kind) : QString();
}

Row RowOf(const modPenseBete& store, int index)
{
    const QString line = store.entry(index);
    Row row;
    row.index = index;
    row.shown = ShownText(NoteLine::number(line, NoteLine::State) > 0);
    row.text = FirstLineCut(store.ReadNoteText(NoteLine::field(line, NoteLine::FileName)));
    row.due = DueText(
        NoteLine::field(line, NoteLine::DueDate), NoteLine::field(line, NoteLine::DueTime));
    row.type = TypeText(NoteLine::number(line, NoteLine::Kind));
    return row;
}

QList<Row> Rows(const modPenseBete& store)
{
    QList<Row> rows;
    if (store.noteCount() == 0)
        return rows;
    for (int i = 1; i <= store.lastIndex(); ++i) {
        if (!store.entry(i).isEmpty())
            rows.append(RowOf(store, i));
    }
    return rows;
}

} // namespace NotesListRows
