#include "ClosedWindowRelease.h"

#include <QWidget>

ClosedWindowRelease::ClosedWindowRelease(
    std::function<void()> release, int delayMs, QObject* parent)
    : QObject(parent)
    , m_release(std::move(release))
{
    m_wait.setSingleShot(true);
    m_wait.setInterval(delayMs);
    connect(&m_wait, &QTimer::timeout, this, &ClosedWindowRelease::releaseUnlessAWindowIsOpen);
}

void ClosedWindowRelease::watch(QWidget* window)
{
    if (!window || m_windows.contains(window))
        return;
    m_windows.append(window);
    connect(window, &QObject::destroyed, &m_wait, qOverload<>(&QTimer::start));
}

void ClosedWindowRelease::releaseUnlessAWindowIsOpen()
{
    m_windows.removeIf([](const QPointer<QWidget>& window) { return window.isNull(); });
    if (m_windows.isEmpty())
        m_release();
}
