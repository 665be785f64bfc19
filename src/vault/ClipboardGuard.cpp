#include "ClipboardGuard.h"

#include <QClipboard>
#include <QGuiApplication>

ClipboardGuard::ClipboardGuard(QObject* parent)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDefaultDelay);
    connect(&m_timer, &QTimer::timeout, this, &ClipboardGuard::clearIfUnchanged);
}

void ClipboardGuard::copy(const QString& text)
{
    m_text = text;
    QGuiApplication::clipboard()->setText(text);
    m_timer.start();
}

void ClipboardGuard::clearIfUnchanged()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!m_text.isEmpty() && clipboard->text() == m_text)
        clipboard->clear();
    m_text.clear();
}
