#pragma once

// What the notes store asks of the note windows; the windows side implements it, tests record
// it. Every call names the note by its index in the table.
class NoteWindowHost {
public:
    virtual ~NoteWindowHost() = default;
    // Creates, fills and places the window of a note just loaded or added.
    virtual void OpenNoteWindow(int index) = 0;
    // Shows the note at its saved position or hides it, and sets its check box; false when the
    // note has no window.
    virtual bool ShowNoteWindow(int index, bool show) = 0;
    // A reminder fired: alarm colours, check box ticked, window brought forward. False when the
    // note has no window.
    virtual bool AlarmNoteWindow(int index) = 0;
    // The note's look follows its state again after the list changed it.
    virtual void SetNoteLook(int index, bool alarm) = 0;
    // The note was deleted elsewhere (the list): its window goes.
    virtual void CloseNoteWindow(int index) = 0;
    // The table starts afresh and its indices will be reused.
    virtual void CloseAllNoteWindows() = 0;
};
