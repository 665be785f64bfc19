#include "modPenseBete.h"

#include "NoteFiles.h"
#include "NoteLine.h"
#include "NoteWindowHost.h"
#include "NoteWindowRules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

modPenseBete::modPenseBete(AppContext& context, QObject* parent)
    : QObject(parent)
    , m_context(context)
{
    m_reminderTimer.setObjectName(QStringLiteral("timer_pensebete"));
    connect(&m_reminderTimer, &SecondTimer::timeout, this, &modPenseBete::CheckReminders);
}

QString modPenseBete::indexPath() const
{
    return m_context.dataPath(QStringLiteral("tolvane_pensebete.dat"));
}

QString modPenseBete::textPath(const QString& fileName) const
{
    return m_context.dataPath(QStringLiteral("pensebete/") + fileName);
}

QString modPenseBete::entry(int index) const
{
    return index > 0 && index < m_table.size() ? m_table.at(index) : QString();
}

void modPenseBete::setEntry(int index, const QString& line)
{
    if (index > 0 && index < m_table.size())
        m_table[index] = line;
}

void modPenseBete::LoadNotes()
{
    if (m_host)
        m_host->CloseAllNoteWindows();
    m_table = QStringList { QString() };
    m_noteCount = 0;
    m_reminders.forget();
    QStringList lines;
    m_indexUnreadable = !NoteFiles::ReadLines(indexPath(), lines) && QFile::exists(indexPath());
    if (m_indexUnreadable)
        tell(QStringLiteral("Probl\u00e8me d'acc\u00e8s en lecture : ") + indexPath());
    const QStringList unlisted = m_indexUnreadable ? QStringList() : unlistedNoteLines(lines);
    lines += unlisted;
    for (const QString& line : std::as_const(lines)) {
        m_table.append(line);
        ++m_noteCount;
        if (m_host)
            m_host->OpenNoteWindow(m_noteCount);
    }
    UpdateNotesCaption();
    if (!unlisted.isEmpty())
        SaveNoteIndex();
    m_reminders.start(QFileInfo(indexPath()).lastModified());
    m_reminderTimer.start();
}

// A new note's text is written before its index line: a bar stopped between the two leaves a
// text that no line names. It comes back as a shown note, in the middle of the screen.
QStringList modPenseBete::unlistedNoteLines(const QStringList& lines) const
{
    QSet<QString> listed;
    for (const QString& line : lines)
        listed.insert(NoteLine::field(line, NoteLine::FileName));
    const QPointF centre = centredTwips(designSizeTwips());
    QStringList found;
    const QFileInfoList files
        = QDir(textPath(QString()))
              .entryInfoList({ QStringLiteral("*.fic") }, QDir::Files, QDir::Name);
    for (const QFileInfo& file : files) {
        if (listed.contains(file.fileName()) || NoteFiles::ReadNoteText(file.filePath()).isEmpty())
            continue;
        const QDateTime written = file.lastModified();
        found.append(NoteLine::makeLine(
            1, 0, written.date(), written.time(), file.fileName(), centre.x(), centre.y()));
    }
    return found;
}

QSize modPenseBete::designSizeTwips() const
{
    const Screen* screen = m_context.platform.screen;
    const QSize size = NoteWindowRules::kDesignSize;
    return screen
        ? QSize(size.width() * screen->twipsPerPixelX(), size.height() * screen->twipsPerPixelY())
        : size * 15;
}

QPointF modPenseBete::centredTwips(const QSize& windowTwips) const
{
    const Screen* screen = m_context.platform.screen;
    const QSize screenTwips = screen ? QSize(screen->geometry().width() * screen->twipsPerPixelX(),
                                  screen->geometry().height() * screen->twipsPerPixelY())
                                     : QSize(1024 * 15, 768 * 15);
    const float left = float(screenTwips.width()) / 2 - float(windowTwips.width()) / 2;
    const float top = float(screenTwips.height()) / 2 - float(windowTwips.height()) / 2;
    return { left, top };
}

bool modPenseBete::SaveNoteIndex(bool tellAgain)
{
    if (m_noteCount == 0)
        return true;
    QStringList lines;
    for (int i = 1; i < m_table.size(); ++i) {
        if (!NoteFiles::TrimSpaces(m_table.at(i)).isEmpty())
            lines.append(m_table.at(i));
    }
    m_noteCount = int(lines.size());
    // The notes of an index that could not be read are in no table: writing would lose them.
    const bool written = !m_indexUnreadable && NoteFiles::WriteLines(indexPath(), lines);
    if (written)
        writeSucceeded(indexPath());
    else
        reportWriteFailure(indexPath(), tellAgain);
    UpdateNotesCaption();
    return written;
}

bool modPenseBete::SaveNote(int index, const QString& line, const QString& text, bool tellAgain)
{
    const QString fileName = NoteLine::field(line, NoteLine::FileName);
    if (!SaveNoteText(fileName, text, tellAgain))
        return false;
    setEntry(index, line);
    return SaveNoteIndex(tellAgain);
}

QString modPenseBete::newTextFileName(const QString& stamp) const
{
    QSet<QString> taken;
    for (int i = 1; i < m_table.size(); ++i)
        taken.insert(NoteLine::field(m_table.at(i), NoteLine::FileName));
    return NoteFiles::UniqueTextFileName(textPath(QString()), stamp, taken);
}

int modPenseBete::AddNewNote(const QSize& windowTwips)
{
    if (m_noteCount == 0) {
        if (m_host)
            m_host->CloseAllNoteWindows();
        m_table = QStringList { QString(), QString() };
        m_reminders.forget();
    } else {
        m_table.append(QString());
    }
    ++m_noteCount;
    const int index = lastIndex();

    const QDateTime now
        = m_context.platform.clock ? m_context.platform.clock->now() : QDateTime::currentDateTime();
    const QString fileName = newTextFileName(now.toString(QStringLiteral("yyyyMMddHHmmss")));
    const QPointF centre = centredTwips(windowTwips);
    m_table[index]
        = NoteLine::makeLine(1, 0, now.date(), now.time(), fileName, centre.x(), centre.y());
    if (m_host)
        m_host->OpenNoteWindow(index);
    UpdateNotesCaption();
    return index;
}

QString modPenseBete::GetNoteField(int index, int field) const
{
    if (index == 0)
        return QStringLiteral("0");
    return NoteLine::field(entry(index), field);
}

void modPenseBete::UpdateNotesCaption()
{
    int total = 0;
    int hidden = 0;
    if (m_noteCount != 0) {
        for (int i = 1; i < m_table.size(); ++i) {
            if (m_table.at(i).isEmpty())
                continue;
            ++total;
            if (NoteLine::number(m_table.at(i), NoteLine::State) == 0)
                ++hidden;
        }
    }
    m_caption = QStringLiteral("%1 Pense-b\u00eate(s), %2 masqu\u00e9(s)").arg(total).arg(hidden);
    emit captionChanged(m_caption);
}

QString modPenseBete::ReadNoteText(const QString& fileName) const
{
    if (fileName.isEmpty())
        return {};
    return NoteFiles::ReadNoteText(textPath(fileName));
}

bool modPenseBete::SaveNoteText(const QString& fileName, const QString& text, bool tellAgain)
{
    const QString path = textPath(fileName);
    const bool written = !fileName.isEmpty() && NoteFiles::WriteNoteText(path, text);
    if (written)
        writeSucceeded(path);
    else
        reportWriteFailure(path, tellAgain);
    return written;
}

void modPenseBete::KillPBFile(const QString& fileName)
{
    if (!fileName.isEmpty())
        QFile::remove(textPath(fileName));
}

void modPenseBete::DeleteNote(int index)
{
    if (entry(index).isEmpty())
        return;
    KillPBFile(NoteLine::field(entry(index), NoteLine::FileName));
    setEntry(index, QString());
    if (m_host)
        m_host->CloseNoteWindow(index);
    SaveNoteIndex();
}

bool modPenseBete::SetNoteShown(int index, bool show)
{
    const QString line = entry(index);
    if (line.isEmpty() || NoteLine::number(line, NoteLine::State) == int(show))
        return false;
    setEntry(index, NoteLine::withState(line, show ? 1 : 0));
    if (m_host) {
        m_host->SetNoteLook(index, false);
        m_host->ShowNoteWindow(index, show);
    }
    SaveNoteIndex();
    return true;
}

// The notes are also saved while the user types: a disk that stays full is told once, not at
// every pause, until a save of that file works again.
void modPenseBete::reportWriteFailure(const QString& path, bool tellAgain)
{
    if (!tellAgain && m_toldFailures.contains(path))
        return;
    m_toldFailures.insert(path);
    tell(QStringLiteral("Impossible d'enregistrer le Pense-B\u00eate : ") + path);
}

void modPenseBete::tell(const QString& text)
{
    if (m_context.platform.dialogs)
        m_context.platform.dialogs->message(
            Dialogs::Icon::Critical, QStringLiteral("Tolvane"), text);
}

void modPenseBete::CheckReminders()
{
    if (m_noteCount == 0)
        return;
    const QDateTime now
        = m_context.platform.clock ? m_context.platform.clock->now() : QDateTime::currentDateTime();
    for (int index : m_reminders.DueNotes(m_table, now))
        FireReminder(index, NoteLine::number(m_table.at(index), NoteLine::State));
}

void modPenseBete::FireReminder(int index, int state)
{
    if (!m_host)
        return;
    if (state == 0 && !m_host->ShowNoteWindow(index, true))
        return;
    const QString before = m_table.at(index);
    m_table[index] = NoteLine::withState(before, 2);
    if (!m_host->AlarmNoteWindow(index)) {
        m_table[index] = before;
        return;
    }
    SaveNoteIndex();
    PlayReminderSound();
}

void modPenseBete::PlayReminderSound()
{
    if (!m_context.platform.sound)
        return;
    const QString path = m_context.path(QStringLiteral("sounds/clickerx.wav"));
    m_context.platform.sound->play(QFileInfo::exists(path) ? path : QString());
}
