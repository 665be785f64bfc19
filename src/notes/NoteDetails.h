#pragma once

#include <QString>

class QComboBox;
class QTextEdit;
class QWidget;
class modPenseBete;

// Filling the detail controls that the note window and the notes list share by name (chkShow,
// cmbType, DTDate, DTTime, txtPenseBete).
namespace NoteDetails {

void FillReminderKinds(QComboBox* combo);
// Sets cmbType, DTDate (its earliest date too) and DTTime from a note's line.
void ShowReminder(QWidget* window, const QString& line);
// Every detail control of the window from note index; nothing for a deleted note.
void RefreshNoteDetails(const modPenseBete& store, int index, QWidget* window);
// The text as a text box shows it: the final line break of the file dropped.
QString DisplayedText(const QString& noteText);
// The text as typed in the box, line breaks as line feeds; unlike toPlainText(), a
// non-breaking space stays one.
QString TypedText(const QTextEdit* box);

} // namespace NoteDetails
