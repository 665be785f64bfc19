#pragma once

#include <QDateTime>
#include <QSize>
#include <QString>

class QFont;

// The arithmetic of a note window, apart from the widget: its sizes, where it may stand on the
// screen and how many display lines its text takes.
namespace NoteWindowRules {

inline constexpr int kWidth = 200;
inline constexpr int kLineHeight = 12;
inline constexpr int kGap = 5;
// The size new notes are centred with, in pixels.
inline constexpr QSize kDesignSize(kWidth, 120);

// Height of the text box for that many display lines: one spare line below the text.
inline int TextBoxHeight(int lineCount)
{
    return (lineCount + 1) * kLineHeight;
}

// A saved left or top (twips) brought onto the screen: never negative, and a window that would
// start beyond the screen's far edge is put against it.
int ClampPosition(int twips, int screenTwips, int windowTwips);

// Display lines of text wrapped at width pixels in font (an empty text is one line).
int WrappedLineCount(const QString& text, const QFont& font, int width);

// Whether a due date and time chosen in a fired note lie after now (to the minute), which
// gives the note back its normal look.
bool IsLaterThanNow(const QDate& date, const QTime& time, const QDateTime& now);

} // namespace NoteWindowRules
