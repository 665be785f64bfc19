#pragma once

#include <QString>

// Holds an flock'd lock file for the life of the process; the kernel releases it when the
// process ends, however it ends, so a crash never leaves a stale lock.
class SingleInstanceLock {
public:
    // folder empty: $XDG_RUNTIME_DIR, or the temporary folder when that is unset.
    explicit SingleInstanceLock(const QString& name, const QString& folder = QString());
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // True when this process now holds the lock; false when another one does.
    bool tryAcquire();
    QString path() const { return m_path; }

private:
    QString m_path;
    int m_fd = -1;
};
