#pragma once

#include "TestApp.h"
#include "TestFiles.h"
#include "notes/NoteWindowHost.h"
#include "notes/NoteWindows.h"
#include "notes/modPenseBete.h"

#include <QHash>

// Records what the store asks of the note windows; notes listed in `missing` have no window.
class RecordingHost : public NoteWindowHost {
public:
    QList<int> opened;
    QList<int> alarmed;
    QList<int> missing;

    void OpenNoteWindow(int index) override { opened.append(index); }
    bool ShowNoteWindow(int index, bool) override { return !missing.contains(index); }
    bool AlarmNoteWindow(int index) override
    {
        if (missing.contains(index))
            return false;
        alarmed.append(index);
        return true;
    }
    void SetNoteLook(int, bool) override { }
    void CloseNoteWindow(int) override { }
    void CloseAllNoteWindows() override { }
};

// Index lines joined with CR LF, as the file holds them.
inline QByteArray indexBytes(const QList<QByteArray>& lines)
{
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

// Writes the notes index file of the test's data folder from its lines.
inline void writeIndex(const TestApp& app, const QList<QByteArray>& lines)
{
    writeBytes(app.dataDir() + QStringLiteral("/tolvane_pensebete.dat"), indexBytes(lines));
}

// A store with notes loaded from the given index lines and texts, and the real note windows.
struct NotesOnDesktop {
    TestApp app { false };
    modPenseBete store { app.context };
    NoteWindows windows { store, app.context };

    explicit NotesOnDesktop(
        const QList<QByteArray>& lines = {}, const QHash<QString, QByteArray>& texts = {})
    {
        if (!lines.isEmpty())
            writeIndex(app, lines);
        for (auto it = texts.cbegin(); it != texts.cend(); ++it)
            writeBytes(store.textPath(it.key()), it.value());
        store.LoadNotes();
    }
    template <typename T> T* control(int index, const char* name)
    {
        return windows.window(index)->findChild<T*>(QLatin1String(name));
    }
    QColor background(int index, const char* name)
    {
        return control<QWidget>(index, name)->palette().color(QPalette::Window);
    }
};
