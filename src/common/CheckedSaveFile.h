#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QSaveFile>
#include <QString>

// A data file written whole: the bytes go to a temporary copy beside the file, every write and
// the final flush are checked, and only a complete copy is renamed over the old file. After any
// error the copy is removed and the old file keeps its bytes; QSaveFile alone would rename a
// copy cut short by a full disk, because a failure inside its buffer is not seen by commit().
class CheckedSaveFile {
public:
    static constexpr QFileDevice::Permissions kOwnerOnly
        = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

    explicit CheckedSaveFile(const QString& path);
    ~CheckedSaveFile(); // a file neither committed nor cancelled is cancelled

    // Creates the temporary copy with these permissions.
    bool open(QFileDevice::Permissions permissions = kOwnerOnly);
    // Appends the bytes; once a write failed, every later write and commit() fail.
    bool write(const QByteArray& bytes);
    // Replaces the old file with the copy; false when anything failed, the old file then intact.
    bool commit();
    // Drops the copy; the old file stays as it was.
    void cancel();
    QString errorString() const { return m_error; }

    // open, write and commit in one call.
    static bool saveWhole(const QString& path, const QByteArray& content,
        QFileDevice::Permissions permissions = kOwnerOnly, QString* error = nullptr);

private:
    void fail(const QString& reason);

    QSaveFile m_file;
    bool m_failed = false;
    bool m_done = false;
    QString m_error;
};
