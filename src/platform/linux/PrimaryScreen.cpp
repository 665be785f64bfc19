#include "PrimaryScreen.h"

#include <QGuiApplication>
#include <QScreen>

QRect PrimaryScreen::geometry() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}
