#include "NoteColours.h"

#include <QWidget>

namespace NoteColours {

static void paint(QWidget* widget, const QColor& colour)
{
    if (!widget)
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Button, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetControlColours(QWidget* window, const QColor& colour)
{
    if (!window)
        return;
    for (const char* name : { "frmBG", "txtPenseBete", "labPB_Titre", "frmEcheance", "lblType",
             "lblRappel", "chkShow" })
        paint(window->findChild<QWidget*>(QLatin1String(name)), colour);
}

void SetNoteColours(QWidget* window, bool alarm)
{
    if (!window)
        return;
    const QColor colour = alarm ? kAlarm : kNormal;
    paint(window, colour);
    SetControlColours(window, colour);
}

} // namespace NoteColours
