#include "NoteWindows.h"

#include "NoteColours.h"
#include "NoteWindowRules.h"
#include "frmPenseBete.h"
#include "frmPenseBete_List.h"
#include "modPenseBete.h"

NoteWindows::NoteWindows(modPenseBete& store, AppContext& context, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_context(context)
{
    m_store.setWindowHost(this);
}

NoteWindows::~NoteWindows()
{
    m_store.setWindowHost(nullptr);
    delete m_list;
    for (const QPointer<frmPenseBete>& note : std::as_const(m_windows))
        delete note;
}

void NoteWindows::OpenNoteWindow(int index)
{
    CloseNoteWindow(index);
    auto* note = new frmPenseBete(m_store, m_context, index);
    m_windows.insert(index, note);
    connect(note, &frmPenseBete::listFocusWanted, this, [this] {
        if (m_list) {
            m_list->raise();
            m_list->activateWindow();
        }
    });
    note->OpenNoteWindow();
}

frmPenseBete* NoteWindows::window(int index) const
{
    return m_windows.value(index);
}

QList<frmPenseBete*> NoteWindows::windows() const
{
    QList<frmPenseBete*> list;
    for (const QPointer<frmPenseBete>& note : m_windows) {
        if (note)
            list.append(note);
    }
    return list;
}

bool NoteWindows::ShowNoteWindow(int index, bool show)
{
    frmPenseBete* note = window(index);
    if (note)
        note->ShowNote(show);
    return note;
}

bool NoteWindows::AlarmNoteWindow(int index)
{
    frmPenseBete* note = window(index);
    if (note)
        note->Alarm();
    return note;
}

void NoteWindows::SetNoteLook(int index, bool alarm)
{
    NoteColours::SetNoteColours(window(index), alarm);
}

void NoteWindows::CloseNoteWindow(int index)
{
    if (frmPenseBete* note = m_windows.take(index)) {
        note->hide();
        note->deleteLater();
    }
}

void NoteWindows::CloseAllNoteWindows()
{
    for (int index : m_windows.keys())
        CloseNoteWindow(index);
}

void NoteWindows::KeepAllNotes()
{
    for (frmPenseBete* note : windows())
        note->KeepNote();
}

void NoteWindows::AddNoteClicked()
{
    if (!m_store.NotesListOpen()) {
        const int tppX
            = m_context.platform.screen ? m_context.platform.screen->twipsPerPixelX() : 15;
        const int tppY
            = m_context.platform.screen ? m_context.platform.screen->twipsPerPixelY() : 15;
        const QSize size = NoteWindowRules::kDesignSize;
        const int index = m_store.AddNewNote(QSize(size.width() * tppX, size.height() * tppY));
        if (frmPenseBete* note = window(index))
            note->focusText();
        return;
    }
    if (m_context.platform.dialogs) {
        m_context.platform.dialogs->message(Dialogs::Icon::Information, QStringLiteral("Tolvane"),
            QStringLiteral("Vous ne pouvez pas ajouter de Pense-B\u00eate tant que\n"
                           "la fen\u00eatre de gestion des Pense-B\u00eates est ouverte !"));
    }
}

void NoteWindows::ShowNotesList()
{
    // A list closed a moment ago waits for its deletion; a new one is filled afresh.
    if (!m_list || !m_list->isVisible()) {
        m_list = new frmPenseBete_List(m_store, m_context);
        if (m_context.platform.screen)
            m_list->move(m_context.platform.screen->geometry().center() - m_list->rect().center());
    }
    m_list->show();
    m_list->raise();
    m_list->activateWindow();
}
