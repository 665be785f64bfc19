#pragma once

#include "NoteWindowHost.h"
#include "frmPenseBete.h"
#include "frmPenseBete_List.h"
#include "shell/AppContext.h"

#include <QMap>
#include <QObject>
#include <QPointer>

class modPenseBete;

// The note windows of the desktop and the notes list, for the notes store and the bar's two
// note pictures. Each window is known by its note's index while that note exists; a deleted
// note's window goes at once, so a later note given the same index never meets it.
class NoteWindows : public QObject, public NoteWindowHost {
    Q_OBJECT
public:
    NoteWindows(modPenseBete& store, AppContext& context, QObject* parent = nullptr);
    ~NoteWindows() override;

    void OpenNoteWindow(int index) override;
    bool ShowNoteWindow(int index, bool show) override;
    bool AlarmNoteWindow(int index) override;
    void SetNoteLook(int index, bool alarm) override;
    void CloseNoteWindow(int index) override;
    void CloseAllNoteWindows() override;

    frmPenseBete* window(int index) const;
    QList<frmPenseBete*> windows() const;
    frmPenseBete_List* notesList() const { return m_list; }

    // Every note's typed text and dragged position written, as the program is about to end.
    void KeepAllNotes();

    // The bar's new-note picture: refused while the list is open.
    void AddNoteClicked();
    // The bar's notes-list picture: one list window at a time.
    void ShowNotesList();

private:
    modPenseBete& m_store;
    AppContext& m_context;
    QMap<int, QPointer<frmPenseBete>> m_windows;
    QPointer<frmPenseBete_List> m_list;
};
