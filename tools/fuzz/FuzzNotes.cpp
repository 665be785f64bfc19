// The notes index and a note's text file: any bytes, split at a line "----". Every field of
// every line is read as the list and the reminders read it; the index saved and read back is
// the index that was read, and a note's text that went through one save comes back unchanged
// from the next.
#include "FuzzSupport.h"
#include "notes/NoteFiles.h"
#include "notes/NoteLine.h"
#include "notes/NotesListRows.h"
#include "notes/ReminderCheck.h"

#include <QDir>

static void readAsTheListDoes(const QString& line)
{
    const QString date = NoteLine::field(line, NoteLine::DueDate);
    const QString time = NoteLine::field(line, NoteLine::DueTime);
    const NoteLine::DueParts due = NoteLine::dueParts(date, time);
    due.date();
    due.time();
    NotesListRows::DueText(date, time);
    NotesListRows::TypeText(NoteLine::number(line, NoteLine::Kind));
    NotesListRows::ShownText(NoteLine::number(line, NoteLine::State) > 0);
    NoteLine::number(line, NoteLine::Left);
    NoteLine::number(line, NoteLine::Top);
    const qint64 now = ReminderCheck::MinuteOf(QDateTime(QDate(2005, 3, 7), QTime(9, 5)));
    for (int kind = -1; kind <= ReminderCheck::kKindCount; ++kind)
        FUZZ_CHECK(ReminderCheck::LatestDueMinute(kind, date, time, now) <= now);
}

static void checkIndex(const QString& path, const QByteArray& bytes)
{
    Fuzz::writeFile(path, bytes);
    QStringList lines;
    FUZZ_CHECK(NoteFiles::ReadLines(path, lines));
    for (const QString& line : std::as_const(lines)) {
        FUZZ_CHECK(!line.contains(QLatin1Char('\n')));
        readAsTheListDoes(line);
    }
    ReminderCheck reminders;
    reminders.start(QDateTime(QDate(2005, 3, 6), QTime(23, 59)));
    const QStringList table = QStringList { QString() } + lines; // entry 0 holds nothing
    const QList<int> due = reminders.DueNotes(table, QDateTime(QDate(2005, 3, 7), QTime(9, 5)));
    for (int index : due)
        FUZZ_CHECK(index >= 1 && index < table.size());

    FUZZ_CHECK(NoteFiles::WriteLines(path, lines));
    QStringList again;
    FUZZ_CHECK(NoteFiles::ReadLines(path, again));
    FUZZ_CHECK(again == lines);
}

static void checkNoteText(const QString& path, const QByteArray& bytes)
{
    Fuzz::writeFile(path, bytes);
    const QString first = NoteFiles::ReadNoteText(path);
    NotesListRows::FirstLineCut(first);
    FUZZ_CHECK(NoteFiles::WriteNoteText(path, first));
    const QString saved = NoteFiles::ReadNoteText(path);
    FUZZ_CHECK(NoteFiles::WriteNoteText(path, saved));
    FUZZ_CHECK(NoteFiles::ReadNoteText(path) == saved);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QByteArray> part = Fuzz::parts(Fuzz::bytes(data, size), 2); // index, text
    const QDir dir(Fuzz::folder().path());
    static const bool folderMade = dir.mkpath(QStringLiteral("pensebete"));
    FUZZ_CHECK(folderMade);
    checkIndex(dir.filePath(QStringLiteral("tolvane_pensebete.dat")), part[0]);
    checkNoteText(dir.filePath(QStringLiteral("pensebete/20050307090500.fic")), part[1]);
    return 0;
}
