#include "NoteDetails.h"

#include "NoteLine.h"
#include "ReminderCheck.h"
#include "modPenseBete.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimeEdit>

namespace NoteDetails {

void FillReminderKinds(QComboBox* combo)
{
    if (combo && combo->count() == 0)
        combo->addItems(ReminderCheck::KindTexts());
}

void ShowReminder(QWidget* window, const QString& line)
{
    auto* kind = window->findChild<QComboBox*>(QStringLiteral("cmbType"));
    auto* date = window->findChild<QDateEdit*>(QStringLiteral("DTDate"));
    auto* time = window->findChild<QTimeEdit*>(QStringLiteral("DTTime"));
    const int kindValue = NoteLine::number(line, NoteLine::Kind);
    if (kind && kindValue >= 0 && kindValue < kind->count())
        kind->setCurrentIndex(kindValue);
    const NoteLine::DueParts due = NoteLine::dueParts(
        NoteLine::field(line, NoteLine::DueDate), NoteLine::field(line, NoteLine::DueTime));
    if (date && due.date().isValid()) {
        date->setMinimumDate(due.date());
        date->setDate(due.date());
    }
    if (time && due.time().isValid())
        time->setTime(due.time());
}

void RefreshNoteDetails(const modPenseBete& store, int index, QWidget* window)
{
    const QString line = store.entry(index);
    if (line.isEmpty() || !window)
        return;
    if (auto* show = window->findChild<QCheckBox*>(QStringLiteral("chkShow"))) {
        const int state = NoteLine::number(line, NoteLine::State);
        if (state == 0)
            show->setChecked(false);
        else if (state == 1 || state == 2)
            show->setChecked(true);
    }
    ShowReminder(window, line);
    if (auto* text = window->findChild<QTextEdit*>(QStringLiteral("txtPenseBete"))) {
        const QSignalBlocker quiet(text);
        text->setPlainText(
            DisplayedText(store.ReadNoteText(NoteLine::field(line, NoteLine::FileName))));
    }
}

QString DisplayedText(const QString& noteText)
{
    return noteText.endsWith(u'\n') ? noteText.chopped(1) : noteText;
}

QString TypedText(const QTextEdit* box)
{
    QString text = box->document()->toRawText();
    for (QChar& c : text) {
        // Paragraph and line separators, and the frame marks a plain text box never holds.
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == u'\ufdd0'
            || c == u'\ufdd1')
            c = u'\n';
    }
    return text;
}

} // namespace NoteDetails
