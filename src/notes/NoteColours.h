#pragma once

#include <QColor>

class QWidget;

// The two looks of a note window: light yellow, and olive once its reminder has fired.
namespace NoteColours {

inline const QColor kNormal(255, 255, 192);
inline const QColor kAlarm(192, 192, 0);

// Colours the window and its controls frmBG, txtPenseBete, labPB_Titre, frmEcheance, lblType,
// lblRappel and chkShow, found by name; a null window is left alone.
void SetNoteColours(QWidget* window, bool alarm);
// Only the controls, the window's own background stays.
void SetControlColours(QWidget* window, const QColor& colour);

} // namespace NoteColours
