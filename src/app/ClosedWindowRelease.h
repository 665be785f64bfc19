#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

class QWidget;

// A window the bar opens runs library code of its own and leaves freed heap behind. A few quiet
// seconds after such a window has gone, those pages are handed back, as they are once start-up
// is over; not while another of the watched windows is still open, whose next paint would only
// bring them back.
class ClosedWindowRelease : public QObject {
    Q_OBJECT
public:
    ClosedWindowRelease(std::function<void()> release, int delayMs, QObject* parent = nullptr);

    // window must be deleted on close: its deletion starts the wait (again, when one is running).
    void watch(QWidget* window);
    bool isWaiting() const { return m_wait.isActive(); }

private:
    void releaseUnlessAWindowIsOpen();

    std::function<void()> m_release;
    QTimer m_wait;
    QList<QPointer<QWidget>> m_windows;
};
