#pragma once

#include "TestApp.h"
#include "notes/NoteWindowHost.h"
#include "notes/modPenseBete.h"

#include <QDir>
#include <QTest>

#include <QFile>
#include <QStringList>
#include <csignal>
#include <sys/resource.h>

// Records what the store asks of the note windows; notes listed in `missing` have no window.
class RecordingHost : public NoteWindowHost {
public:
    QList<int> opened;
    QList<QPair<int, bool>> shown;
    QList<int> alarmed;
    QList<int> closed;
    int closedAll = 0;
    QList<int> missing;

    void OpenNoteWindow(int index) override { opened.append(index); }
    bool ShowNoteWindow(int index, bool show) override
    {
        shown.append({ index, show });
        return !missing.contains(index);
    }
    bool AlarmNoteWindow(int index) override
    {
        if (missing.contains(index))
            return false;
        alarmed.append(index);
        return true;
    }
    void SetNoteLook(int, bool) override { }
    void CloseNoteWindow(int index) override { closed.append(index); }
    void CloseAllNoteWindows() override { ++closedAll; }
};

inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(path.section(u'/', 0, -2));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Index lines joined with CR LF, as the file holds them.
inline QByteArray indexBytes(const QList<QByteArray>& lines)
{
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

// Files may not grow beyond a few bytes while this lives, whoever runs the test: a write of a
// longer file fails as on a full disk.
class FileSizeLimit {
    rlimit m_old {};

public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }
};
