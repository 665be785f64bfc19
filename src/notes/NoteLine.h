#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

// One line of the notes index: seven fields separated by ";" (state, reminder kind, due date
// YYYYMMDD, due time HHMM, text file name, left and top in twips).
namespace NoteLine {

enum Field { State = 0, Kind = 1, DueDate = 2, DueTime = 3, FileName = 4, Left = 5, Top = 6 };
inline constexpr int kFieldCount = 7;

// Field n (from 0) of the line, empty when the line has fewer fields.
QString field(const QString& line, int n);
// The leading-number value of a field, rounded to an integer.
int number(const QString& line, int n);

// The due parts as the reminder and the pickers read them: year from the first four characters
// of the date, month from characters 5-6, day from the last two; hour and minute from the first
// and last two characters of the time.
struct DueParts {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    QDate date() const { return QDate(year, month, day); }
    QTime time() const { return QTime(hour, minute); }
};
DueParts dueParts(const QString& dateField, const QString& timeField);

// The same line with its first field replaced by state.
QString withState(const QString& line, int state);
// The same line at another position; a line without its position fields stays as it is.
QString withPosition(const QString& line, double left, double top);

// A position in twips as the file keeps it: the shortest text of the single-precision value,
// with the locale's decimal separator.
QString twipsText(double twips);

QString dateText(const QDate& date); // YYYYMMDD
QString timeText(const QTime& time); // HHMM
QString makeLine(int state, int kind, const QDate& due, const QTime& dueTime,
    const QString& fileName, double left, double top);

} // namespace NoteLine
