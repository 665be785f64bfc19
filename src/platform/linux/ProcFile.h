#pragma once

#include <QByteArray>
#include <QString>

// Kernel files under /proc and /sys are small and read whole on each sample; this reads them with
// one open and as few reads as the file needs, into a buffer kept between calls.
class ProcFile {
public:
    explicit ProcFile(QString path)
        : m_path(std::move(path))
    {
    }
    // False when the file cannot be opened or read; text then holds nothing.
    bool read(QByteArray& text) const;
    QString path() const { return m_path; }

    // One-off read of a small attribute file, without its trailing line feed.
    static QByteArray readLine(const QString& path);

private:
    QString m_path;
};
