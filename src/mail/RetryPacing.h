#pragma once

#include <QList>

// How long to wait before each new attempt after a connection failed: a growing pause, then
// giving up. Counted afresh for every account check.
class RetryPacing {
public:
    static QList<int> defaultPauses() { return { 2000, 8000 }; }

    explicit RetryPacing(const QList<int>& pauses = defaultPauses())
        : m_pauses(pauses)
    {
    }

    void setPauses(const QList<int>& pauses) { m_pauses = pauses; }
    void reset() { m_retries = 0; }
    // The pause in milliseconds before the next attempt, or -1 when it is time to give up.
    int nextPause()
    {
        if (m_retries >= m_pauses.size())
            return -1;
        return m_pauses.at(m_retries++);
    }
    int retries() const { return m_retries; }

private:
    QList<int> m_pauses;
    int m_retries = 0;
};
