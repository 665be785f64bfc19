#pragma once

#include "ReminderCheck.h"
#include "shell/AppContext.h"
#include "shell/SecondTimer.h"

#include <QObject>
#include <QPointF>
#include <QSet>
#include <QSize>
#include <QStringList>

class NoteWindowHost;

// The sticky notes' store: the note table (entry i is the index line of note i, empty once the
// note is deleted; entry 0 holds nothing), the index file and the text files, the caption of the
// bar's notes module and the reminders, checked on a one-second timer of their own.
class modPenseBete : public QObject {
    Q_OBJECT
public:
    explicit modPenseBete(AppContext& context, QObject* parent = nullptr);

    void setWindowHost(NoteWindowHost* host) { m_host = host; }

    // Reads the index file, opens a window per note and starts the reminder timer. An index
    // file that is there but cannot be read is told and never written over afterwards. A text
    // file that no index line names, left by a bar stopped in the middle of a save, is added.
    void LoadNotes();
    // Writes every note's line; false (after telling the user) when the file cannot be written.
    bool SaveNoteIndex(bool tellAgain = true);
    // A note's text, then its line in the index: killed between the two, the program leaves an
    // index that never names a text not yet written. Nothing goes to the index when the text
    // could not be written. A failure already told since the last good save of that file is
    // told again only when tellAgain is set.
    bool SaveNote(int index, const QString& line, const QString& text, bool tellAgain = true);
    bool indexUnreadable() const { return m_indexUnreadable; }
    // Adds a shown note without reminder, due now, centred for a window of that size in twips;
    // returns its index.
    int AddNewNote(const QSize& windowTwips);
    QString GetNoteField(int index, int field) const;
    void UpdateNotesCaption();
    QString caption() const { return m_caption; }

    QString ReadNoteText(const QString& fileName) const;
    // Writes a note's text; false (after telling the user) when it cannot be written.
    bool SaveNoteText(const QString& fileName, const QString& text, bool tellAgain = true);
    void KillPBFile(const QString& fileName);

    // Once a second: fires every reminder that has become due.
    void CheckReminders();

    QString entry(int index) const;
    void setEntry(int index, const QString& line);
    // The note goes: its text file, its line and its window.
    void DeleteNote(int index);
    // Shows or hides a note from the list and saves at once; a fired note becomes a quiet one.
    // False when the note already was so.
    bool SetNoteShown(int index, bool show);
    int lastIndex() const { return int(m_table.size()) - 1; }
    int noteCount() const { return m_noteCount; }
    const QStringList& table() const { return m_table; }

    bool NotesListOpen() const { return m_notesListOpen; }
    void setNotesListOpen(bool open) { m_notesListOpen = open; }

    QString indexPath() const;
    QString textPath(const QString& fileName) const;
    SecondTimer& reminderTimer() { return m_reminderTimer; }

signals:
    void captionChanged(const QString& caption);

private:
    void FireReminder(int index, int state);
    void PlayReminderSound();
    void reportWriteFailure(const QString& path, bool tellAgain = true);
    void writeSucceeded(const QString& path) { m_toldFailures.remove(path); }
    void tell(const QString& text);
    QString newTextFileName(const QString& stamp) const;
    QStringList unlistedNoteLines(const QStringList& lines) const;
    QSize designSizeTwips() const;
    QPointF centredTwips(const QSize& windowTwips) const;

    AppContext& m_context;
    NoteWindowHost* m_host = nullptr;
    QStringList m_table { QString() };
    int m_noteCount = 0;
    bool m_notesListOpen = false;
    bool m_indexUnreadable = false;
    QSet<QString> m_toldFailures;
    QString m_caption;
    ReminderCheck m_reminders;
    SecondTimer m_reminderTimer;
};
