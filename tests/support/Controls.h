#pragma once

#include <QLineEdit>
#include <QTest>
#include <QWidget>

// Controls found by their object name, clicked and typed into as a user would.
template <typename T = QWidget> T* control(const QWidget* window, const char* name)
{
    T* widget = window ? window->findChild<T*>(QLatin1String(name)) : nullptr;
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

inline void click(const QWidget* window, const char* name)
{
    QTest::mouseClick(control(window, name), Qt::LeftButton);
}

inline void type(const QWidget* window, const char* name, const QString& text)
{
    auto* box = control<QLineEdit>(window, name);
    box->clear();
    QTest::keyClicks(box, text);
}
