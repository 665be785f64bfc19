#pragma once

#include <QByteArray>
#include <QString>

// Kernel files under /proc and /sys are small and read whole on each sample; this reads them
// with as few reads as the file needs, into a buffer kept between calls. The file stays open
// from one read to the next (the kernel writes it anew for a read from its start), so a sample
// a second costs no path lookup.
class ProcFile {
public:
    explicit ProcFile(QString path)
        : m_path(std::move(path))
    {
    }
    ~ProcFile();
    // A copy opens the file for itself.
    ProcFile(const ProcFile& other)
        : m_path(other.m_path)
    {
    }
    ProcFile& operator=(const ProcFile&) = delete;

    // False when the file cannot be opened or read; text then holds nothing.
    bool read(QByteArray& text) const;
    QString path() const { return m_path; }

    // One-off read of a small attribute file, without its trailing line feed.
    static QByteArray readLine(const QString& path);

    // The decimal digits at p as a 64-bit count, saturated at the largest qint64 (the kernel
    // prints its counters unsigned, up to 2^64 - 1); returns the first character after them.
    static const char* readCount(const char* p, const char* end, qint64& value);
    // a * b / c for counts, saturated at the largest qint64; c must be positive.
    static qint64 scaleCount(qint64 a, qint64 b, qint64 c);
    // a + b for counts, saturated at the largest qint64.
    static qint64 addCounts(qint64 a, qint64 b);

private:
    void close() const;

    QString m_path;
    mutable int m_fd = -1;
};
