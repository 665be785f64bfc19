#pragma once

#include <QList>
#include <QString>

class modPenseBete;

// What the notes list shows for each note, one row per note that is not deleted.
namespace NotesListRows {

struct Row {
    int index = 0;
    QString shown; // "Oui" or "Non"
    QString text; // first line, cut after 12 characters
    QString due; // "07-03-2005 à 09:05"
    QString type; // the reminder kind's text
};

QList<Row> Rows(const modPenseBete& store);
Row RowOf(const modPenseBete& store, int index);

QString ShownText(bool shown);
QString FirstLineCut(const QString& noteText);
QString DueText(const QString& dateField, const QString& timeField);
QString TypeText(int kind);

} // namespace NotesListRows
