#include "PrimaryScreen.h"

#include <QGuiApplication>
#include <QScreen>

QRect PrimaryScreen::geometry() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

static int twipsPerPixel(qreal dotsPerInch)
{
    return dotsPerInch > 0 ? qMax(1, qRound(1440 / dotsPerInch)) : 15;
}

int PrimaryScreen::twipsPerPixelX() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return twipsPerPixel(screen ? screen->logicalDotsPerInchX() : 0);
}

int PrimaryScreen::twipsPerPixelY() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return twipsPerPixel(screen ? screen->logicalDotsPerInchY() : 0);
}
